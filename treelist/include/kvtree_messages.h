// Window messages of the kvTreeView control window (for tests and for programs that host it).
#pragma once

#include <windows.h>

// Window message of the control, in the manner of the common controls' TVM_GETITEMRECT:
// wParam = node index; lParam = RECT* whose `left` names the part on input (KVTREE_PART_*) and
// receives the part's rectangle in client coordinates. Returns TRUE when the node is on screen
// and has that part.
#define KVTM_GETITEMRECT (WM_USER + 0x4B01)
#define KVTREE_PART_LINE 0
#define KVTREE_PART_PLUS 1
#define KVTREE_PART_CHECK 2
#define KVTREE_PART_RADIO 3
#define KVTREE_PART_PICTURE 4
#define KVTREE_PART_TEXT 5
