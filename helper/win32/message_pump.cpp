// Pending-message pump (see message_pump.h).
#include "helper/win32/message_pump.h"

#include <windows.h>

namespace kv::helper {

void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // keep the request for the caller's own loop
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace kv::helper
