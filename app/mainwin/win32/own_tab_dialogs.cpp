// The pages' own tabs' dialogs and system facts (see own_tab_dialogs.h).
#include "app/mainwin/win32/own_tab_dialogs.h"

#include "app/mainwin/core/startup_rules.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

int OwnTabDialogs::MessageDialog(const std::string& headline, const std::string& text, int buttons) {
  return ShowMessage(app_, headline, text, app_.Settings.DlgFade, owner_, buttons);
}

bool OwnTabDialogs::HelpBox(const std::string& text, const std::string& checkText) {
  kvdlg::DialogClient& dialogs = DialogLibrary(app_);
  if (!dialogs.Loaded()) {
    ShowMessage(app_, app_.Text(465), text, app_.Settings.DlgFade, owner_, 0);
    return false;
  }
  return dialogs.HlpBox(text, app_.Settings.DlgFade, owner_, checkText, "") == 1;
}

bool OwnTabDialogs::ChooseColour(std::uint32_t* colour) {
  unsigned long chosen = *colour;
  if (!DialogLibrary(app_).ColorDlg(owner_, &chosen)) return false;
  *colour = static_cast<std::uint32_t>(chosen);
  return true;
}

std::string OwnTabDialogs::ChooseOpenFile(const std::string& title, const std::string& file,
                                          const std::string& filter) {
  return DialogLibrary(app_).FileDlg(owner_, title, file, 0, filter, nullptr);
}

std::string OwnTabDialogs::ChooseIcon(const std::string& file, int index) {
  return DialogLibrary(app_).IconDlg(owner_, file, index);
}

const SystemFolderSet& OwnTabDialogs::Folders() const {
  if (!foldersRead_) {
    const PathVariables& paths = app_.Engine->Paths();
    folders_ = {paths.SystemFolder(), paths.WindowsFolder(), paths.TempFolder(), paths.BootFolder()};
    foldersRead_ = true;
  }
  return folders_;
}

bool OwnTabDialogs::RunningNt4() const { return app_.OsKind == kOsNt4; }

}  // namespace kv
