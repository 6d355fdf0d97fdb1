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

// Sent by a kvTreeView to another one while the user drags a node over it (and usable by a host to
// run a drag of its own): wParam = KVTREE_DRAG_* state; lParam = MAKELPARAM(x, y) in the receiver's
// client coordinates. The receiver marks the line a drop would land on, answers its node index
// (-1 below the last line, -2 where nothing may be dropped), and on KVTREE_DRAG_DROP fires DropNode.
#define KVTM_NODEDRAG (WM_USER + 0x4B02)
#define KVTREE_DRAG_ENTER 0
#define KVTREE_DRAG_LEAVE 1
#define KVTREE_DRAG_OVER 2
#define KVTREE_DRAG_DROP 3
