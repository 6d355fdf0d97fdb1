// Start-up timing helpers (see process_window_timer.h).
#include "bench/startup/process_window_timer.h"

#include <vector>

namespace kvbench {

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

StartedProgram StartProgram(const std::string& commandLine, const std::string& folder) {
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  StartedProgram program;
  program.StartMs = NowMs();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &program.Process)) {
    program.Process = PROCESS_INFORMATION{};
  }
  return program;
}

namespace {
// What EnumChildWindows looks for: the first descendant of a class.
struct ChildMatch {
  const std::string* Class;
  HWND Found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM param) {
  auto* match = reinterpret_cast<ChildMatch*>(param);
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  if (*match->Class != name) return TRUE;
  match->Found = window;
  return FALSE;
}
}  // namespace

HWND FindShownWindow(DWORD processId, const std::string& windowClass) {
  // By class name: one request to the window server per window of that class, so the polling barely
  // loads the server that the measured program needs. The title is read without a message, so a busy
  // program is not asked.
  for (HWND w = FindWindowExA(nullptr, nullptr, windowClass.c_str(), nullptr); w;
       w = FindWindowExA(nullptr, w, windowClass.c_str(), nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == processId && IsWindowVisible(w) && !WindowText(w).empty()) return w;
  }
  return nullptr;
}

double WaitForShownWindow(const StartedProgram& program, const std::string& windowClass, double limitMs, HWND* window,
                          const std::string& firstClass, double* firstMs) {
  *window = nullptr;
  if (firstMs) *firstMs = -1;
  while (NowMs() - program.StartMs < limitMs) {
    if (firstMs && *firstMs < 0 && !firstClass.empty() && FindShownWindow(program.Process.dwProcessId, firstClass))
      *firstMs = NowMs() - program.StartMs;
    if (HWND found = FindShownWindow(program.Process.dwProcessId, windowClass)) {
      const double shown = NowMs() - program.StartMs;
      *window = found;
      return shown;
    }
    if (WaitForSingleObject(program.Process.hProcess, 1) == WAIT_OBJECT_0) return -1;
  }
  return -1;
}

bool WaitUntilGone(const StartedProgram& program, const std::string& windowClass, double limitMs) {
  const double start = NowMs();
  while (NowMs() - start < limitMs) {
    if (!FindShownWindow(program.Process.dwProcessId, windowClass)) return true;
    Sleep(20);
  }
  return false;
}

bool CloseProgram(StartedProgram& program, HWND window, double limitMs) {
  if (!program.Running()) return true;
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  bool ended = WaitForSingleObject(program.Process.hProcess, static_cast<DWORD>(limitMs)) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(program.Process.hProcess, 1);
    WaitForSingleObject(program.Process.hProcess, 5000);
  }
  CloseHandle(program.Process.hThread);
  CloseHandle(program.Process.hProcess);
  program.Process = PROCESS_INFORMATION{};
  return ended;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  // InternalGetWindowText reads the stored caption, so a busy window does not block the reader.
  wchar_t wide[512] = {};
  const int n = InternalGetWindowText(window, wide, 512);
  WideCharToMultiByte(CP_ACP, 0, wide, n, text, sizeof text - 1, nullptr, nullptr);
  return text;
}

HWND FindChildByClass(HWND parent, const std::string& windowClass) {
  ChildMatch match{&windowClass, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&match));
  return match.Found;
}

}  // namespace kvbench
