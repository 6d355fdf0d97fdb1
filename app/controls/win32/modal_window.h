// What every modal window of the main program does alike: it is placed centred over its owner (over
// the work area when the owner is hidden or minimised) and kept inside the work area, it runs its own
// message loop until it is closed, and it answers the default-button query, the close box and its
// destruction from outside the same way.
#pragma once

#include <windows.h>

#include <functional>

namespace kv::controls {

void CenterOverOwner(HWND window, HWND owner);

// Dispatches messages (through IsDialogMessage, so Tab and Enter work) until `closed()` is true or the
// window is gone. `takeFirst` may take a message before that (true = taken). A WM_QUIT ends the loop:
// it is posted again for the program's own loop and `onQuit()` is called (a dialog cancels itself).
void RunModalLoop(HWND window, const std::function<bool()>& closed, const std::function<void()>& onQuit,
                  const std::function<bool(const MSG&)>& takeFirst = {});

// The default button (DM_GETDEFID), the close box and Alt+F4 (WM_CLOSE: Cancel) and a destruction from
// outside, when the owner goes (WM_DESTROY: Cancel unless already closed). `Model` has PressCancel()
// and Closed(). True, with *result set, when the message was one of these.
template <class Model>
bool HandleModalDialogMessage(UINT message, int defaultButtonId, Model& model, LRESULT* result) {
  switch (message) {
    case DM_GETDEFID: *result = MAKELRESULT(defaultButtonId, DC_HASDEFID); return true;
    case WM_CLOSE: model.PressCancel(); *result = 0; return true;
    case WM_DESTROY:
      if (!model.Closed()) model.PressCancel();
      *result = 0;
      return true;
    default: return false;
  }
}

}  // namespace kv::controls
