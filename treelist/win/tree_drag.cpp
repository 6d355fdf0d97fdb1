// Tree-list window: dragging nodes with the mouse within the control and onto another kvTreeView,
// the drop mark, and drags run from outside (DragOver/DragDrop, KVTM_NODEDRAG). Where a drop may
// land is decided by the portable NodeDrag / DropTargetAt; this file turns it into events.
#include <windowsx.h>

#include "treelist/include/kvtree_messages.h"
#include "treelist/win/colours.h"
#include "treelist/win/tree_window.h"

namespace kv::tree {

namespace {
const UINT kDragScrollMs = 100;
LPARAM PackPoint(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }
}  // namespace

Index TreeWindow::DragOverAt(int x, int y, int state) {
  if (state == KVTREE_DRAG_LEAVE) {
    dragHere_ = false;
    KillTimer(hwnd_, kDragScrollTimer);
    SetDropMark(kNoDrop);
    return kNoDrop;
  }
  // Resting at the list's top or bottom edge scrolls it (whoever runs the drag).
  dragHere_ = true;
  dragPoint_ = POINT{x, y};
  if (DragScrollStep(layout_, x, y) != 0)
    SetTimer(hwnd_, kDragScrollTimer, kDragScrollMs, nullptr);
  else
    KillTimer(hwnd_, kDragScrollTimer);
  const Index target = DropTargetAt(layout_, x, y, dragSource_);
  SetDropMark(target);
  return target;
}

Index TreeWindow::DropAt(int x, int y) {
  dragHere_ = false;
  KillTimer(hwnd_, kDragScrollTimer);
  const Index target = DropTargetAt(layout_, x, y, dragSource_);
  SetDropMark(kNoDrop);
  if (target != kNoDrop) host_.OnNode(NodeEvent::DropNode, target);
  return target;
}

void TreeWindow::DragMove(int x, int y) {
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT here = {x, y};
  const bool inside = PtInRect(&client, here) != FALSE;
  const NodeDrag::Step step = drag_.Move(x, y, inside, GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG));
  if (step == NodeDrag::Step::Begin) {
    HideTip();
    dragSource_ = drag_.Source();
    host_.OnNode(NodeEvent::DragNode, dragSource_);
    if (!hwnd_ || !drag_.Active()) return;  // the handler may end the control
  } else if (step == NodeDrag::Step::Leave) {
    SetDropMark(kNoDrop);
    host_.OnNode(NodeEvent::StartDragOut, -1);
    if (!hwnd_ || !drag_.Active()) return;
  }
  if (!drag_.Active()) return;
  Index target = kNoDrop;
  if (inside)
    target = DragOverAt(x, y, KVTREE_DRAG_OVER);
  else if (dragHere_)
    DragOverAt(x, y, KVTREE_DRAG_LEAVE);
  // Over another tree: it marks its own target line.
  POINT screen = here;
  ClientToScreen(hwnd_, &screen);
  HWND other = inside ? nullptr : OtherTreeAt(screen);
  if (dragOver_ && dragOver_ != other && IsWindow(dragOver_)) SendMessageW(dragOver_, KVTM_NODEDRAG, KVTREE_DRAG_LEAVE, 0);
  if (other) {
    POINT there = screen;
    ScreenToClient(other, &there);
    target = static_cast<Index>(
        SendMessageW(other, KVTM_NODEDRAG, other == dragOver_ ? KVTREE_DRAG_OVER : KVTREE_DRAG_ENTER, PackPoint(there)));
  }
  dragOver_ = other;
  SetCursor(LoadCursor(nullptr, target == kNoDrop ? IDC_NO : IDC_ARROW));
}

void TreeWindow::DragScroll() {
  const int step = dragHere_ ? DragScrollStep(layout_, dragPoint_.x, dragPoint_.y) : 0;
  if (step == 0) {
    KillTimer(hwnd_, kDragScrollTimer);
    return;
  }
  ScrollToLine(layout_.TopLine() + step);
  DragOverAt(dragPoint_.x, dragPoint_.y, KVTREE_DRAG_OVER);
}

bool TreeWindow::DragRelease(int x, int y) {
  HWND previous = dragOver_;
  dragOver_ = nullptr;
  if (!drag_.End()) {
    dragSource_ = -1;
    return false;
  }
  RECT client;
  GetClientRect(hwnd_, &client);
  POINT here = {x, y};
  const bool inside = PtInRect(&client, here) != FALSE;
  POINT screen = here;
  ClientToScreen(hwnd_, &screen);
  HWND other = inside ? nullptr : OtherTreeAt(screen);
  if (previous && previous != other && IsWindow(previous)) SendMessageW(previous, KVTM_NODEDRAG, KVTREE_DRAG_LEAVE, 0);
  if (inside) {
    DropAt(x, y);
  } else {
    DragOverAt(x, y, KVTREE_DRAG_LEAVE);
    if (other) {
      ScreenToClient(other, &screen);
      SendMessageW(other, KVTM_NODEDRAG, KVTREE_DRAG_DROP, PackPoint(screen));
    }
  }
  dragSource_ = -1;
  return true;
}

void TreeWindow::DragCancel() {
  if (dragOver_ && IsWindow(dragOver_)) SendMessageW(dragOver_, KVTM_NODEDRAG, KVTREE_DRAG_LEAVE, 0);
  dragOver_ = nullptr;
  drag_.End();
  dragSource_ = -1;
  DragOverAt(0, 0, KVTREE_DRAG_LEAVE);
}

// Another tree-list window of this process (they share the window procedure of this module).
HWND TreeWindow::OtherTreeAt(POINT screen) const {
  HWND under = WindowFromPoint(screen);
  if (!under || under == hwnd_) return nullptr;
  const LONG_PTR proc = GetWindowLongPtrW(under, GWLP_WNDPROC);
  return proc == reinterpret_cast<LONG_PTR>(&TreeWindow::WindowProc) ? under : nullptr;
}

void TreeWindow::SetDropMark(Index node) {
  if (node == dropMark_) return;
  dropMark_ = node;
  Invalidate();
}

// A frame around the target line, or a bar under the last line for "after everything".
void TreeWindow::PaintDropMark(HDC dc) {
  if (dropMark_ == kNoDrop) return;
  const Rect list = layout_.ListArea();
  RECT mark = {list.left, 0, list.right, 0};
  if (dropMark_ >= 0) {
    LineGeometry g;
    const int row = layout_.RowOf(dropMark_);
    if (row < 0 || !layout_.RowGeometry(row, g)) return;
    mark.top = g.line.top;
    mark.bottom = g.line.bottom;
  } else {
    const Index lines = model_.Nodes().VisibleCount() - layout_.TopLine();
    mark.top = list.top + static_cast<int>(lines) * layout_.Metrics().lineHeight;
    mark.bottom = mark.top + 2;
    if (mark.top >= list.bottom) return;
  }
  HBRUSH brush = CreateSolidBrush(ToColorRef(uint32_t(props_.Number(kPropSelectedBackColor))));
  if (dropMark_ >= 0) {
    const RECT sides[4] = {{mark.left, mark.top, mark.right, mark.top + 2},
                           {mark.left, mark.bottom - 2, mark.right, mark.bottom},
                           {mark.left, mark.top, mark.left + 2, mark.bottom},
                           {mark.right - 2, mark.top, mark.right, mark.bottom}};
    for (const RECT& side : sides) FillRect(dc, &side, brush);
  } else {
    FillRect(dc, &mark, brush);
  }
  DeleteObject(brush);
}

}  // namespace kv::tree
