// Seam for the hover poll: is the window under the cursor this control? The system answer comes
// from GetCursorPos and WindowFromPoint; tests may put their own answer in its place.
#pragma once

#include <windows.h>

namespace kv::controls {

using PointerProbe = bool (*)(HWND control);

bool PointerIsOver(HWND control);
// Replaces the probe (nullptr = back to the system's). For tests.
void SetPointerProbe(PointerProbe probe);

}  // namespace kv::controls
