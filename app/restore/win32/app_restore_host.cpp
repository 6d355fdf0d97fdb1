// The main program's restore host and profile commands (see app_restore_host.h).
#include "app/restore/win32/app_restore_host.h"

#include "app/restore/profile_codec.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

bool AppRestoreHost::UndoFileValid() { return undoCheck_.Usable(UndoFilePath(), app_.Functions.FktAnzahl); }

FileStamp AppRestoreHost::StampOf(const std::string& path) {
  FileStamp stamp;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return stamp;
  FindClose(search);
  stamp.Exists = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  stamp.Size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  stamp.Time = (static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
               found.ftLastWriteTime.dwLowDateTime;
  return stamp;
}

std::string AppRestoreHost::Headline(const RestoreRequest& request) const {
  return OpeningTexts(request, [this](int id) { return Text(id); }, app_.Functions).Headline;
}

int AppRestoreHost::Message(const std::string& headline, const std::string& text, int kind) {
  return ShowMessage(app_, headline, text, app_.Settings.DlgFade, main_, kind);
}

void AppRestoreHost::HelpBox(const std::string& text) {
  kvdlg::DialogClient& dialogs = DialogLibrary(app_);
  if (dialogs.Loaded()) dialogs.HlpBox(text, app_.Settings.DlgFade, main_, "", "");
  else Message("", text, 0);
}

std::string AppRestoreHost::OpenProfileDialog(const std::string& title, const std::string& proposedFile) {
  int filterNumber = 0;
  return DialogLibrary(app_).FileDlg(main_, title, proposedFile, 0, app_.ProfileFilter, &filterNumber);
}

std::string AppRestoreHost::SaveRegFileDialog(const std::string& proposedFile) {
  int filterNumber = 0;
  std::string filter = Text(824);
  filter += '\0';
  filter += "*.reg";
  filter += '\0';
  return DialogLibrary(app_).FileDlg(main_, Text(823), proposedFile, 1, filter, &filterNumber);
}

void AppRestoreHost::CreateProfile() {
  ProfileCreationSetup setup;
  setup.SystemFolder = app_.Engine->Paths().SystemFolder();
  setup.ProgramFolder = app_.ProgramFolder();
  setup.OwnerWindow = reinterpret_cast<std::uintptr_t>(main_);
  CreateRecoveryProfile(*this, *app_.Reg, files_, setup);
  undoCheck_.Forget();  // the scan runs on in the helper; a changed file shows by its size or time
}

bool AppRestoreHost::ShowProfileInfo() {
  kvdlg::DialogClient& dialogs = DialogLibrary(app_);
  if (!dialogs.Loaded()) return false;
  return dialogs.HlpBox(Text(145), app_.Settings.DlgFade, main_, Text(110), Text(148)) == 1;
}

std::string AppRestoreHost::AskProfileFile(const std::string& proposedFile) {
  int filterNumber = 0;
  return DialogLibrary(app_).FileDlg(main_, Text(147), proposedFile, 1, app_.ProfileFilter, &filterNumber);
}

bool AppRestoreHost::ConfirmReplace() { return ShowMessage(app_, "", Text(149), true, main_, 2) == 6; }

void AppRestoreHost::RefuseProfileName() { Message("", Text(813), 0); }

void AppRestoreHost::StartHelper(const std::string& commandLine) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  std::string command = commandLine;
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
}

}  // namespace kv
