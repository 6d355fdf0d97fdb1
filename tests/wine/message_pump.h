// For the Windows window tests: dispatches the messages of the test thread for a while, through
// IsDialogMessage of the test's parent window so that Tab, Enter and access keys work as for a user.
// Header only; include it as "tests/wine/message_pump.h".
#pragma once

#include <windows.h>

namespace kv::wintest {

inline void PumpFor(HWND dialogParent, int milliseconds, DWORD sleepMs = 5) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageW(dialogParent, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    Sleep(sleepMs);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

}  // namespace kv::wintest
