// The two things every modal window of the main program does alike: it is placed centred over its
// owner (over the work area when the owner is hidden or minimised) and kept inside the work area, and
// it runs its own message loop until it is closed.
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

}  // namespace kv::controls
