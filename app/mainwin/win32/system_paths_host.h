// What the SysPaths tab needs from the main program: the dialog library's folder dialog, help box and
// special-folder lookup with the main window as owner, and the "PathWarning" setting.
#pragma once

#include <windows.h>

#include "app/mainwin/win32/app_context.h"
#include "app/pages/core/system_paths_tab.h"

namespace kv {

class SystemPathsDialogs : public SystemPathsHost {
 public:
  // `owner` is read at each call: the owning window may be made after this object.
  SystemPathsDialogs(AppContext& app, const HWND& owner) : app_(app), owner_(owner) {}
  std::string ProfileFolder() override;
  bool PathWarning() override;
  void SetPathWarning(bool warn) override;
  bool ShowPathWarning(const std::string& helpText) override;
  std::string ChooseFolder(const std::string& startPath) override;

 private:
  AppContext& app_;
  const HWND& owner_;
};

}  // namespace kv
