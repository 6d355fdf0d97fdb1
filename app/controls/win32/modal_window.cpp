// Placement and message loop of modal windows (see modal_window.h).
#include "app/controls/win32/modal_window.h"

namespace kv::controls {

void CenterOverOwner(HWND window, HWND owner) {
  RECT area = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  RECT over = area;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &over);
  RECT self = {};
  GetWindowRect(window, &self);
  const int w = self.right - self.left, h = self.bottom - self.top;
  int x = over.left + (over.right - over.left - w) / 2, y = over.top + (over.bottom - over.top - h) / 2;
  if (x + w > area.right) x = area.right - w;
  if (y + h > area.bottom) y = area.bottom - h;
  if (x < area.left) x = area.left;
  if (y < area.top) y = area.top;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunModalLoop(HWND window, const std::function<bool()>& closed, const std::function<void()>& onQuit,
                  const std::function<bool(const MSG&)>& takeFirst) {
  MSG msg;
  while (IsWindow(window) && !closed()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the program is ending: leave, and pass it on
      onQuit();
      break;
    }
    if (got < 0) break;
    if (takeFirst && takeFirst(msg)) continue;
    if (!IsDialogMessageA(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace kv::controls
