// Tree-list window: mouse and keyboard input turned into model changes and events.
#include <windowsx.h>

#include <algorithm>

#include "treelist/win/colours.h"
#include "treelist/win/tree_window.h"

namespace kv::tree {

namespace {
// Shift state as the events carry it: 1 Shift, 2 Ctrl, 4 Alt.
short ShiftState() {
  short shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}
// Mouse buttons held as the events carry them: 1 left, 2 right, 4 middle.
short Buttons(WPARAM wParam) {
  short buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= 1;
  if (wParam & MK_RBUTTON) buttons |= 2;
  if (wParam & MK_MBUTTON) buttons |= 4;
  return buttons;
}
}  // namespace

void TreeWindow::Toggle(Index node) {
  const NodeStore& nodes = model_.Nodes();
  if (!nodes.Valid(node) || !nodes.At(node).Has(kIsParent)) return;
  const bool expand = !nodes.At(node).Has(kExpanded);
  editor_.End(true);
  model_.SetNode(NodeField::Expanded, node, expand ? 1 : 0);
  if (!expand) {
    const Index end = nodes.SubtreeEnd(node);
    if (props_.Flag(kPropCloseOnCollapse)) {
      for (Index i = node + 1; i < end; ++i) {
        if (nodes.At(i).Has(kExpanded)) model_.SetNode(NodeField::Expanded, i, 0);
      }
    }
    // A selection that disappears into the collapsed branch moves to the collapsed node.
    if (model_.Selected() > node && model_.Selected() < end) MoveSelection(node);
  }
  host_.OnNode(expand ? NodeEvent::Expand : NodeEvent::Collapse, node);
}

void TreeWindow::MoveSelection(Index node) {
  if (node < 0 || node == model_.Selected()) return;
  model_.SetSelected(node);
  if (layout_.EnsureVisible(node)) Invalidate();
}

void TreeWindow::OnMouseButton(UINT message, int x, int y) {
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
                    message == WM_LBUTTONDBLCLK;
  short button = 1;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) button = 2;
  if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP) button = 4;
  HideTip();
  if (down && !editor_.Active() && GetFocus() != hwnd_) SetFocus(hwnd_);
  if (down) {
    SetCapture(hwnd_);
  } else if (GetCapture() == hwnd_) {
    ReleaseCapture();
  }
  // The second press of a double click reports only DblClick, and its release no Click (the
  // order the pages' handlers expect: MouseDown, MouseUp, Click, DblClick, MouseUp).
  if (message != WM_LBUTTONDBLCLK) host_.OnMouse(down ? MouseEvent::Down : MouseEvent::Up, button, ShiftState(), x, y);
  if (!hwnd_) return;
  const bool releaseOfDoubleClick = message == WM_LBUTTONUP && doubleClicked_;
  if (message == WM_LBUTTONDBLCLK || message == WM_LBUTTONUP) doubleClicked_ = message == WM_LBUTTONDBLCLK;

  if (message == WM_LBUTTONDOWN) {
    int divider = layout_.HeaderDividerAt(x, y);
    if (divider > 0) {
      resizingColumn_ = divider;
      resizeStartX_ = x;
      resizeStartWidth_ = model_.Cols().At(divider).width;
      return;
    }
  }
  if (message == WM_LBUTTONUP && DragRelease(x, y)) return;  // a drop, not a click
  if (message == WM_LBUTTONUP && resizingColumn_ > 0) {
    int column = resizingColumn_;
    resizingColumn_ = 0;
    if (model_.Cols().Valid(column)) host_.OnColumnResize(static_cast<short>(column), model_.Cols().At(column).width);
    if (!releaseOfDoubleClick) host_.OnClick(false);
    return;
  }
  const HitResult hit = layout_.HitTest(x, y);
  if (hit.part == HitPart::Header && (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)) {
    host_.OnHeaderClick(static_cast<short>(hit.column), message == WM_LBUTTONDBLCLK);
    return;
  }
  switch (message) {
    case WM_LBUTTONDOWN:
      if (hit.node < 0) return;
      if (hit.part == HitPart::Plus) {
        Toggle(hit.node);
        return;
      }
      if (hit.part == HitPart::Text && props_.Flag(kPropLabelEdit) && hit.node == model_.Selected()) {
        StartLabelEdit();
        return;
      }
      if (props_.Flag(kPropMultiSelect) && (ShiftState() & 2)) {
        // Ctrl+click in a multi-select list marks or unmarks the line.
        model_.SetNode(NodeField::Select, hit.node, model_.Nodes().At(hit.node).Has(kSelect) ? 0 : 1);
      }
      MoveSelection(hit.node);
      drag_.Press(hit, x, y);
      if (hit.part == HitPart::Text && TextClipped(hit.node)) host_.OnNode(NodeEvent::ClickClip, hit.node);
      if (hit.part == HitPart::Check) {
        int value = model_.FlipCheck(hit.node, hit.column);
        if (value >= 0) host_.OnCheckClick(hit.node, static_cast<short>(hit.column), value != 0);
      } else if (hit.part == HitPart::Radio) {
        int value = model_.PickRadio(hit.node);
        if (value >= 0) host_.OnRadioClick(hit.node, static_cast<short>(value));
      }
      return;
    case WM_LBUTTONUP:
      if (!releaseOfDoubleClick) host_.OnClick(false);
      return;
    case WM_LBUTTONDBLCLK:
      host_.OnClick(true);
      if (hit.node >= 0 && props_.Flag(kPropExpandOnDClick) &&
          (hit.part == HitPart::Text || hit.part == HitPart::Picture || hit.part == HitPart::Line))
        Toggle(hit.node);
      return;
    case WM_RBUTTONDOWN:
      if (hit.node >= 0) host_.OnNode(NodeEvent::RightClick, hit.node);
      return;
    default:
      return;
  }
}

bool TreeWindow::TextClipped(Index node) {
  int row = layout_.RowOf(node);
  LineGeometry g;
  if (!hwnd_ || row < 0 || !layout_.RowGeometry(row, g)) return false;
  const Node& n = model_.Nodes().At(node);
  const std::wstring text = model_.Cols().Count() > 0 ? model_.DisplayColumnText(node, 1) : n.text;
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old =
      SelectObject(dc, graphics_.FontFor(n.extras ? n.extras->font : 0, n.fontBold != 0 || n.Has(kHeaderStyle)));
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return g.text.left + props_.Number(kPropTextXOffset) + size.cx > g.column1Right;
}

bool TreeWindow::OnSetCursor() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd_, &p);
  if (resizingColumn_ == 0 && layout_.HeaderDividerAt(p.x, p.y) == 0) return false;
  SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
  return true;
}

void TreeWindow::OnMouseMove(WPARAM wParam, int x, int y) {
  host_.OnMouse(MouseEvent::Move, Buttons(wParam), ShiftState(), x, y);
  if (!hwnd_) return;
  if (resizingColumn_ > 0 && model_.Cols().Valid(resizingColumn_)) {
    model_.SetColumn(ColumnField::Width, resizingColumn_, std::max(8, resizeStartWidth_ + x - resizeStartX_));
    return;
  }
  if (drag_.Pressed()) {
    if (wParam & MK_LBUTTON)
      DragMove(x, y);
    else
      DragCancel();  // the release went elsewhere
    if (!hwnd_ || drag_.Active()) return;
  }
  Index node = layout_.HitTest(x, y).node;
  if (node != hoverNode_) {
    hoverNode_ = node;
    ArmTip(node);
    // -1 too: the pages keep the last value as "the line under the mouse".
    host_.OnNode(NodeEvent::NodeOver, node);
  }
}

// --- tool tips: shown after TipsDelay tenths of a second over one node ---

void TreeWindow::ArmTip(Index node) {
  HideTip();
  tipNode_ = node;
  if (node < 0 || !props_.Flag(kPropTipsDisplay) || props_.Number(kPropTipsType) == 0) return;
  SetTimer(hwnd_, kTipTimer, static_cast<UINT>(std::max(1, props_.Number(kPropTipsDelay)) * 100), nullptr);
}

void TreeWindow::OnTimer(UINT_PTR id) {
  if (id == kTipTimer) {
    KillTimer(hwnd_, kTipTimer);
    ShowTip();
    return;
  }
  if (id == kDragScrollTimer) {
    DragScroll();
    return;
  }
  if (id == kTipWatchTimer) {
    POINT p;
    GetCursorPos(&p);
    if (WindowFromPoint(p) != hwnd_) HideTip();
  }
}

void TreeWindow::ShowTip() {
  if (!model_.Nodes().Valid(tipNode_)) return;
  const Index node = tipNode_;
  const short kind = static_cast<short>(props_.Number(kPropTipsType));
  const std::wstring before = props_.Text(kPropTipsText);
  host_.OnSetTips(node, kind);  // the handler may set TipsText for this tip
  if (!hwnd_ || node != tipNode_) return;
  std::wstring text = props_.Text(kPropTipsText);
  if (text != before)
    props_.SetText(kPropTipsText, before);
  else
    text = model_.TipText(node, kind);
  int row = layout_.RowOf(node);
  LineGeometry g;
  if (text.empty() || row < 0 || !layout_.RowGeometry(row, g)) return;
  POINT at = {g.text.left, g.line.bottom + 1};
  if (props_.Number(kPropTipsPosition) == 1) {
    GetCursorPos(&at);
    ScreenToClient(hwnd_, &at);
    at.x += props_.Number(kPropTipsDistance);
    at.y = g.line.bottom + 1;
  }
  ClientToScreen(hwnd_, &at);
  tip_.Show(hwnd_, at, text, ToColorRef(uint32_t(props_.Number(kPropTipsBackColor))),
            ToColorRef(uint32_t(props_.Number(kPropTipsForeColor))), graphics_.MainFont());
  SetTimer(hwnd_, kTipWatchTimer, 200, nullptr);
}

void TreeWindow::HideTip() {
  if (!hwnd_) return;
  KillTimer(hwnd_, kTipTimer);
  KillTimer(hwnd_, kTipWatchTimer);
  tip_.Hide();
}

void TreeWindow::OnKeyDown(WPARAM key) {
  HideTip();
  short code = host_.OnKey(KeyEvent::Down, static_cast<short>(key), ShiftState());
  if (code == 0 || !hwnd_) return;
  if (code == VK_ESCAPE && drag_.Pressed()) {
    DragCancel();
    if (GetCapture() == hwnd_) ReleaseCapture();
    return;
  }
  const NodeStore& nodes = model_.Nodes();
  const Index selected = model_.Selected();
  const Index line = nodes.LineOf(selected);
  const Index last = nodes.VisibleCount() - 1;
  const Index page = std::max(1, layout_.LinesPerList() - 1);
  switch (code) {
    case VK_RETURN:
    case VK_SPACE:
      Toggle(selected);
      break;
    case VK_F2:
      StartLabelEdit();
      break;
    case VK_UP:
      MoveSelection(line < 0 ? nodes.VisibleNode(0) : nodes.VisibleNode(std::max<Index>(0, line - 1)));
      break;
    case VK_DOWN:
      MoveSelection(line < 0 ? nodes.VisibleNode(0) : nodes.VisibleNode(std::min(last, line + 1)));
      break;
    case VK_HOME:
      MoveSelection(nodes.VisibleNode(0));
      break;
    case VK_END:
      MoveSelection(nodes.VisibleNode(last));
      break;
    case VK_PRIOR:
      MoveSelection(nodes.VisibleNode(std::max<Index>(0, line - page)));
      break;
    case VK_NEXT:
      MoveSelection(nodes.VisibleNode(line < 0 ? std::min(last, page) : std::min(last, line + page)));
      break;
    case VK_LEFT:
      if (nodes.Valid(selected) && nodes.At(selected).Has(kExpanded) && nodes.At(selected).Has(kIsParent))
        Toggle(selected);
      else if (nodes.Valid(selected))
        MoveSelection(nodes.At(selected).parent);
      break;
    case VK_RIGHT:
      if (nodes.Valid(selected) && nodes.At(selected).Has(kIsParent)) {
        if (!nodes.At(selected).Has(kExpanded))
          Toggle(selected);
        else if (nodes.HasChildren(selected))
          MoveSelection(selected + 1);
      }
      break;
    default:
      break;
  }
}

void TreeWindow::OnChar(WPARAM key) { host_.OnKey(KeyEvent::Press, static_cast<short>(key), 0); }

void TreeWindow::OnKeyUp(WPARAM key) { host_.OnKey(KeyEvent::Up, static_cast<short>(key), ShiftState()); }

}  // namespace kv::tree
