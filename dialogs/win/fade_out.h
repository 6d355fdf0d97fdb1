// Fade-out of a closing dialog through a layered window. The opacity calls go through a
// replaceable observer so tests can see the sequence without timing it.
#pragma once

#include <windows.h>

namespace kvdlg {

using OpacityObserver = void (*)(HWND window, int alpha);

// Installs an observer called before every opacity step (nullptr removes it).
void SetFadeObserver(OpacityObserver observer);

// Makes the window layered and steps its opacity 255, 255 - step, ... down to 255 mod step,
// running pending messages between steps. Failing opacity calls are ignored.
void FadeOutWindow(HWND window, int step);

}  // namespace kvdlg
