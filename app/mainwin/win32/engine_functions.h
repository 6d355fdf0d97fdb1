// The pages' view of the catalogue and engine (FunctionSource over Catalogue + FunctionEngine).
#pragma once

#include "app/mainwin/win32/app_context.h"
#include "app/pages/core/function_tree.h"

namespace kv {

class EngineFunctions : public FunctionSource {
 public:
  explicit EngineFunctions(AppContext& app) : app_(app) {}
  int FktAnzahl() const override { return app_.Functions.FktAnzahl; }
  const FunctionRecord* Function(int number) const override { return app_.Functions.Function(number); }
  std::string GroupCaption(int page, int group) const override;
  int RunningOsFilter() const override;
  int ReadCheckState(int number) override { return app_.Engine->ReadCheckState(number); }
  std::string ReadValueText(int number) override { return app_.Engine->ReadValueText(number); }
  std::string ReadNumberText(int number) override { return app_.Engine->ReadNumberText(number); }
  bool ApplyFunctionState(int number, bool on) override { return app_.Engine->ApplyFunctionState(number, on); }
  bool ApplyFunctionValue(int number, const std::string& value) override {
    return app_.Engine->ApplyFunctionValue(number, value);
  }
  int SlotFunction(int slot) const override;
  // The setting dialog FormB; "$ERROR$" when nothing was applied.
  std::string EditFunctionValue(int number) override;

 private:
  AppContext& app_;
};

}  // namespace kv
