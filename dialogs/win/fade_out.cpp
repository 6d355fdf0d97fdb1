// Layered-window fade-out (see fade_out.h).
#include "dialogs/win/fade_out.h"

#include "app/controls/win32/system_function.h"
#include "dialogs/core/fade.h"

namespace kvdlg {

namespace {

OpacityObserver g_observer = nullptr;

// Layered windows came with Windows 2000; on NT 4 the entry point is missing and the window simply
// closes.
using SetOpacityFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetOpacityFunction OpacityFunction() {
  static const auto function = kv::SystemFunction<SetOpacityFunction>("user32.dll", "SetLayeredWindowAttributes");
  return function;
}

// Runs what is queued without leaving the modal loop: a quit request is put back.
void RunPendingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

void SetFadeObserver(OpacityObserver observer) { g_observer = observer; }

void FadeOutWindow(HWND window, int step) {
  SetOpacityFunction setOpacity = OpacityFunction();
  if (setOpacity == nullptr) return;
  LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  for (int alpha : FadeSequence(step)) {
    if (g_observer != nullptr) g_observer(window, alpha);
    setOpacity(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    RunPendingMessages();
    Sleep(12);  // lets the eye follow; the steps themselves are what matters
  }
}

}  // namespace kvdlg
