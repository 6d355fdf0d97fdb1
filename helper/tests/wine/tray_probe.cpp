// Probe for the resident helper's Wine test, run as its own process beside korvnst.exe:
//   tray_probe wait-window MS | wait-gone MS | hidden | count | wait-icon present|absent MS
//            | post MESSAGE WPARAM LPARAM | wait-menu MS | wait-no-menu MS | key VK | has-child
//            | drop-icon (the shell forgets the icon, as when the taskbar is recreated)
//            | taskbar-created (the shell's broadcast to all top-level windows)
// Exit code 0 when the condition holds (or the action was done), 1 when not. Whether the icon is
// in the tray is asked of the shell itself: changing an icon (NIM_MODIFY) works only while it exists.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kClass = "KorvnstForm1";

HWND Helper() { return FindWindowA(kClass, nullptr); }

bool NotifyHelperIcon(HWND helper, DWORD command) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = helper;
  data.uID = 1;
  return helper && Shell_NotifyIconA(command, &data) != FALSE;
}

bool IconPresent(HWND helper) { return NotifyHelperIcon(helper, NIM_MODIFY); }

HWND VisibleMenu() {
  HWND menu = nullptr;
  while ((menu = FindWindowExA(nullptr, menu, "#32768", nullptr)) != nullptr) {
    if (IsWindowVisible(menu)) return menu;
  }
  return nullptr;
}

template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(25);
  }
}

int Count() {
  int count = 0;
  HWND w = nullptr;
  while ((w = FindWindowExA(nullptr, w, kClass, nullptr)) != nullptr) ++count;
  return count;
}

void PressKey(WORD vk) {
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = vk;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const char* command = argv[1];
  const DWORD ms = argc > 2 ? static_cast<DWORD>(std::strtoul(argv[argc - 1], nullptr, 10)) : 0;
  if (!std::strcmp(command, "wait-window")) return WaitFor(ms, [] { return Helper() != nullptr; }) ? 0 : 1;
  if (!std::strcmp(command, "wait-gone")) return WaitFor(ms, [] { return Helper() == nullptr; }) ? 0 : 1;
  if (!std::strcmp(command, "has-child")) return Helper() && GetWindow(Helper(), GW_CHILD) ? 0 : 1;
  if (!std::strcmp(command, "hidden")) return Helper() && !IsWindowVisible(Helper()) ? 0 : 1;
  if (!std::strcmp(command, "count")) {
    std::printf("%d\n", Count());
    return 0;
  }
  if (!std::strcmp(command, "wait-icon") && argc > 3) {
    const bool present = !std::strcmp(argv[2], "present");
    return WaitFor(ms, [&] { return IconPresent(Helper()) == present; }) ? 0 : 1;
  }
  if (!std::strcmp(command, "post") && argc > 4) {
    const UINT message = static_cast<UINT>(std::strtoul(argv[2], nullptr, 0));
    const WPARAM wParam = static_cast<WPARAM>(std::strtoul(argv[3], nullptr, 0));
    const LPARAM lParam = static_cast<LPARAM>(std::strtol(argv[4], nullptr, 0));
    return Helper() && PostMessageA(Helper(), message, wParam, lParam) ? 0 : 1;
  }
  if (!std::strcmp(command, "drop-icon")) return NotifyHelperIcon(Helper(), NIM_DELETE) ? 0 : 1;
  if (!std::strcmp(command, "taskbar-created")) {
    return PostMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0) ? 0 : 1;
  }
  if (!std::strcmp(command, "wait-menu")) return WaitFor(ms, [] { return VisibleMenu() != nullptr; }) ? 0 : 1;
  if (!std::strcmp(command, "wait-no-menu")) return WaitFor(ms, [] { return VisibleMenu() == nullptr; }) ? 0 : 1;
  if (!std::strcmp(command, "key") && argc > 2) {
    PressKey(static_cast<WORD>(std::strtoul(argv[2], nullptr, 0)));
    return 0;
  }
  return 2;
}
