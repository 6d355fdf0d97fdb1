// The one C entry point of kvtree.dll for our own programs (besides the COM exports):
// creates a kvTreeView control with its window in `parent` at `rect` (parent client coordinates)
// and returns its dual interface with one reference. Only COM types cross the DLL boundary.
#pragma once

#include <windows.h>

#include "kvtree_h.h"
#include "treelist/include/kvtree_messages.h"

#define KVTREE_CALL __stdcall

extern "C" {
typedef HRESULT(KVTREE_CALL* KvTreeCreateWindowFn)(HWND parent, const RECT* rect, int controlId, IkvTreeView** control);
HRESULT KVTREE_CALL kvTreeCreateWindow(HWND parent, const RECT* rect, int controlId, IkvTreeView** control);
}
