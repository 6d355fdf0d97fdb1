// The SysPaths tab's dialogs and setting (see system_paths_host.h).
#include "app/mainwin/win32/system_paths_host.h"

#include "app/mainwin/core/program_settings.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

namespace {
constexpr int kProfileFolder = 40;  // the dialog library's special folder number of the user's profile
constexpr int kMyComputer = 17;
}  // namespace

std::string SystemPathsDialogs::ProfileFolder() {
  std::string folder = DialogLibrary(app_).GetSpecialFolder(owner_, kProfileFolder);
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

bool SystemPathsDialogs::PathWarning() { return app_.Reg->RegReadDword(kWorkSetKey, "PathWarning", -1) != 0; }

void SystemPathsDialogs::SetPathWarning(bool warn) { app_.Reg->RegWriteDword(kWorkSetKey, "PathWarning", warn ? -1 : 0); }

bool SystemPathsDialogs::ShowPathWarning(const std::string& helpText) {
  return DialogLibrary(app_).HlpBox(helpText, app_.Settings.DlgFade, owner_, app_.Text(110), "") == 1;
}

std::string SystemPathsDialogs::ChooseFolder(const std::string& startPath) {
  return DialogLibrary(app_).SHFolderDlg(owner_, app_.Text(108), app_.Text(109), startPath, kMyComputer, true, false,
                                         false, "");
}

}  // namespace kv
