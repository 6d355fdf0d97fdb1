// The rectangle of a line of a kvTreeView control in another process: the control's item-rectangle
// message takes a RECT pointer, so the RECT is placed in that process's memory for the call.
#pragma once

#include <windows.h>

namespace kvtest {

// Client rectangle of `part` (KVTREE_PART_*) of line `line` of `tree`; false when the line is not on
// screen or the control does not answer within 5 s.
bool RemoteTreeLineRect(HWND tree, int line, int part, RECT* client);

}  // namespace kvtest
