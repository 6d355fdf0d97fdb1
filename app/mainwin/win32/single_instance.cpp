// Single-instance step (see single_instance.h).
#include "app/mainwin/win32/single_instance.h"

#include "app/mainwin/core/startup_rules.h"
#include "app/mainwin/win32/app_context.h"

namespace kv {

bool AnotherInstanceRuns() {
  static HANDLE mutex = CreateMutexA(nullptr, FALSE, "Korvane2000.korvn2k.Instance");
  return mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

HWND FindWindowByCaption(HWND start, std::string* text) {
  for (HWND w = GetWindow(start, GW_HWNDFIRST); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
    char caption[512] = {};
    GetWindowTextA(w, caption, sizeof caption);
    PumpMessages();
    if (CaptionContains(caption, *text)) {
      *text = caption;
      return w;
    }
  }
  return nullptr;
}

void HandOverToFirstInstance(const std::string& title) {
  // A hidden window of our own is the start of the walk over the top-level windows.
  HWND start = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  std::string searched = kMessageWindowCaption;
  if (!FindWindowByCaption(start, &searched)) {
    searched = title;
    if (HWND first = FindWindowByCaption(start, &searched)) {
      ShowWindow(first, SW_SHOWNORMAL);
      PumpMessages();
      SetForegroundWindow(first);
    }
  }
  DestroyWindow(start);
}

}  // namespace kv
