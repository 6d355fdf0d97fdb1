// Help > Help Topics (see help_topics.h).
//
// The HTML Help viewer of Windows NT 4.0 (with Internet Explorer 4.0 or later) and Windows 2000 is
// "hh.exe" in the Windows folder; it runs as a process of its own, so the manual stays open when the
// program ends. Where it is missing, the viewer's library "hhctrl.ocx" in the system folder is asked
// directly (HtmlHelpA, looked up at run time: the program does not import it).
#include "app/mainwin/win32/help_topics.h"

#include "app/catalogue/program_path.h"
#include "app/controls/win32/system_function.h"

namespace kv {
namespace {

constexpr int kNoHelpFileText = 421;
constexpr int kNoViewerText = 422;
constexpr UINT kHhDisplayTopic = 0;  // HH_DISPLAY_TOPIC of the HTML Help API

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

bool StartViewerProgram(const std::string& windowsFolder, const std::string& manual) {
  const std::string viewer = WithBackslash(windowsFolder) + "hh.exe";
  if (!IsFullPath(viewer) || !FileExists(viewer)) return false;
  std::string command = QuotedCommandLine(viewer, "\"" + manual + "\"");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(viewer.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

bool ShowWithViewerLibrary(const std::string& manual) {
  using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  static const auto htmlHelp = SystemFunction<HtmlHelpFn>("hhctrl.ocx", "HtmlHelpA");
  // No owner: the viewer window is not destroyed with a page or dialog of ours.
  return htmlHelp && htmlHelp(nullptr, manual.c_str(), kHhDisplayTopic, 0) != nullptr;
}

}  // namespace

void OpenHelpTopics(AppContext& app, HWND owner,
                    const std::function<void(const std::string& file, const std::string& folder)>& openFile) {
  const std::string& folder = app.ProgramFolder();
  const std::string helpFile = folder + "KORVN2K.HLP";
  if (FileExists(helpFile)) {
    openFile(helpFile, folder);
    return;
  }
  const std::string manual = folder + "KORVN2K.CHM";
  int problem = kNoHelpFileText;
  if (FileExists(manual)) {
    if (StartViewerProgram(app.Engine->Paths().WindowsFolder(), manual) || ShowWithViewerLibrary(manual)) return;
    problem = kNoViewerText;
  }
  ShowMessage(app, "", app.Text(problem), app.Settings.DlgFade, owner, 0);
}

}  // namespace kv
