// Test helpers acting on dialogs as a user would (see dialog_driver.h).
#include "dialog_driver.h"

#include <cstdio>
#include <vector>

#include "tests/wine/screen_bitmap.h"

namespace kvdlg::test {

HWND FindDialog(const char* caption) {
  HWND window = FindWindowA(nullptr, caption);
  DWORD process = 0;
  if (window != nullptr) GetWindowThreadProcessId(window, &process);
  return window != nullptr && process == GetCurrentProcessId() && IsWindowVisible(window) ? window : nullptr;
}

DialogDriver::DialogDriver(std::function<void(HWND)> action, const char* caption)
    : thread_([this, action, caption] {
        HWND dialog = nullptr;
        for (int i = 0; i < 200 && dialog == nullptr; ++i) {
          Sleep(50);
          dialog = FindDialog(caption);
        }
        if (dialog == nullptr) return;
        Sleep(150);  // let it finish painting
        action(dialog);
        acted_ = true;
        for (int i = 0; i < 160 && IsWindow(dialog); ++i) Sleep(50);
        if (IsWindow(dialog)) {
          forced_ = true;
          PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
      }) {}

DialogDriver::~DialogDriver() { thread_.Join(); }

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

namespace {

void SendMouse(int x, int y, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(INPUT));
}

}  // namespace

void ClickControl(HWND control) {
  RECT r = WindowRectOf(control);
  int x = (r.left + r.right) / 2;
  int y = (r.top + r.bottom) / 2;
  SendMouse(x, y, MOUSEEVENTF_MOVE);
  Sleep(60);
  SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
  SendMouse(x, y, MOUSEEVENTF_LEFTUP);
}

void DragMouse(int fromX, int fromY, int toX, int toY) {
  SendMouse(fromX, fromY, MOUSEEVENTF_MOVE);
  Sleep(60);
  SendMouse(fromX, fromY, MOUSEEVENTF_LEFTDOWN);
  Sleep(60);
  for (int step = 1; step <= 10; ++step) {
    SendMouse(fromX + (toX - fromX) * step / 10, fromY + (toY - fromY) * step / 10, MOUSEEVENTF_MOVE);
    Sleep(30);
  }
  SendMouse(toX, toY, MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD virtualKey, bool alt) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(in);
  };
  if (alt) key(VK_MENU, false);
  key(virtualKey, false);
  key(virtualKey, true);
  if (alt) key(VK_MENU, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::string ControlText(HWND dialog, int id) {
  char text[1024] = {};
  GetDlgItemTextA(dialog, id, text, sizeof(text));
  return text;
}

void SetLanguage(DWORD language) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorbel\\Korvane2k", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) == ERROR_SUCCESS) {
    RegSetValueExA(key, "Language", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&language), sizeof(language));
    RegCloseKey(key);
  }
}

std::string SaveScreenshot(const std::string& name) {
  char build[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KV_BUILD_DIR", build, MAX_PATH) == 0) return {};
  std::string folder = std::string("Z:") + build + "/artifacts";
  CreateDirectoryA(folder.c_str(), nullptr);
  folder += "/dialogs";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string path = folder + "/" + name + ".bmp";

  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return kv::screenshots::SaveScreenBitmap(screen, path) ? path : std::string();
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
  return true;
}

}  // namespace kvdlg::test
