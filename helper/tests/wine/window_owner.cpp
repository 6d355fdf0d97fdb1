// A window-owning process for the "/LOGOFF" test: shows a window titled "KvLogoffTarget", writes
// "ended" to the file named on its command line when the session ends, and gives up after 30 s.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string g_marker;

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ENDSESSION:
      if (wParam && !g_marker.empty()) {
        if (std::FILE* f = std::fopen(g_marker.c_str(), "wb")) {
          std::fputs("ended", f);
          std::fclose(f);
        }
      }
      return 0;
    case WM_TIMER:
      PostQuitMessage(3);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  g_marker = commandLine;
  if (g_marker == "--exit-now") return 0;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.lpszClassName = "KvLogoffTargetClass";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowA(wc.lpszClassName, "KvLogoffTarget", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                            nullptr, nullptr, instance, nullptr);
  SetTimer(hwnd, 1, 30000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return static_cast<int>(msg.wParam);
}
