// A titled frame around a group of controls ("KvFrame"), in place of the system group box: it paints
// its whole area (the page's background, an etched line, the caption), stays below its sibling
// controls in the drawing order and lets the mouse through to what lies under it.
#pragma once

#include <windows.h>

#include <string>

namespace kv {

// Creates a hidden frame with this caption as a child of `parent`, below the parent's other children.
HWND CreateFrameWindow(HWND parent, const std::string& caption);

}  // namespace kv
