// Catalogue and engine stand-in for the page tests: functions built by hand, states and values by
// function number, and a log of everything applied.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/pages/core/function_tree.h"

namespace kv {

inline FunctionRecord Fn(int page, int group, const std::string& caption, int kind, int os = 2) {
  FunctionRecord f;
  f.Page = static_cast<std::int16_t>(page);
  f.Group = static_cast<std::int16_t>(group);
  f.Caption = caption;
  f.InputKind = static_cast<std::int16_t>(kind);
  f.OsFilter = static_cast<std::int16_t>(os);
  f.HelpText = "help of " + caption;
  return f;
}

// Catalogue + engine stand-in: states and values by function number; records what was applied.
class FakeSource : public FunctionSource {
 public:
  std::vector<FunctionRecord> functions;
  std::map<int, std::map<int, std::string>> groups;  // page -> group -> caption
  int osFilter = 0;
  std::map<int, int> states;
  std::map<int, std::string> values;
  std::vector<std::string> applied;
  std::string dialogResult = kSettingDialogError;

  int FktAnzahl() const override { return static_cast<int>(functions.size()) - 1; }
  const FunctionRecord* Function(int n) const override {
    return n >= 0 && n < static_cast<int>(functions.size()) ? &functions[n] : nullptr;
  }
  std::string GroupCaption(int page, int group) const override {
    auto p = groups.find(page);
    if (p == groups.end()) return "";
    auto g = p->second.find(group);
    return g == p->second.end() ? "" : g->second;
  }
  int RunningOsFilter() const override { return osFilter; }
  int ReadCheckState(int n) override { return states[n]; }
  std::string ReadValueText(int n) override { return values[n]; }
  std::string ReadNumberText(int n) override { return values[n]; }
  bool ApplyFunctionState(int n, bool on) override {
    applied.push_back(std::to_string(n) + (on ? "=on" : "=off"));
    return true;
  }
  std::string EditFunctionValue(int n) override {
    applied.push_back("edit " + std::to_string(n));
    return dialogResult;
  }
  bool ApplyFunctionValue(int n, const std::string& value) override {
    applied.push_back(std::to_string(n) + "=" + value);
    values[n] = value;
    return true;
  }
  int SlotFunction(int slot) const override {
    auto it = slots.find(slot);
    return it == slots.end() ? -1 : it->second;
  }
  std::map<int, int> slots;  // index slot -> function number
};

}  // namespace kv
