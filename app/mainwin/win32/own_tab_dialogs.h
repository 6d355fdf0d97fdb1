// The pages' own tabs' access to the main program (see own_tab_host.h): the dialog library with the
// main window as owner and the fade-out setting, the registry, the system folders and kind.
#pragma once

#include <windows.h>

#include "app/mainwin/win32/app_context.h"
#include "app/pages/core/own_tab_host.h"

namespace kv {

class OwnTabDialogs : public OwnTabHost {
 public:
  // `owner` is read at each call: the owning window may be made after this object.
  OwnTabDialogs(AppContext& app, const HWND& owner) : app_(app), owner_(owner) {}
  std::string Text(int id) const override { return app_.Text(id); }
  int MessageDialog(const std::string& headline, const std::string& text, int buttons) override;
  bool HelpBox(const std::string& text, const std::string& checkText) override;
  bool ChooseColour(std::uint32_t* colour) override;
  std::string ChooseOpenFile(const std::string& title, const std::string& file, const std::string& filter) override;
  std::string ChooseIcon(const std::string& file, int index) override;
  Registry& Reg() override { return *app_.Reg; }
  const SystemFolderSet& Folders() const override;
  bool RunningNt4() const override;

 private:
  AppContext& app_;
  const HWND& owner_;
  mutable SystemFolderSet folders_;
  mutable bool foldersRead_ = false;
};

}  // namespace kv
