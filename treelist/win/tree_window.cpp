// Tree-list window: registration and creation, the message switch, metrics and scrolling.
#include "treelist/win/tree_window.h"

#include <windowsx.h>

#include <algorithm>

#include "app/controls/win32/code_module.h"
#include "treelist/include/kvtree_messages.h"

namespace kv::tree {

namespace {
bool RegisterOnce(HINSTANCE module, WNDPROC proc) {
  WNDCLASSEXW existing = {};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(module, TreeWindow::kClassName, &existing)) return true;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = TreeWindow::kClassName;
  return RegisterClassExW(&wc) != 0;
}
}  // namespace

TreeWindow::TreeWindow(TreeModel& model, PlainProperties& props, TreeGraphics& graphics, TreeWindowHost& host)
    : model_(model), props_(props), graphics_(graphics), host_(host), layout_(model) {}

TreeWindow::~TreeWindow() {
  Destroy();
  if (buffer_) DeleteObject(buffer_);
  if (bufferDc_) DeleteDC(bufferDc_);
}

bool TreeWindow::Create(HWND parent, const RECT& rect, int controlId) {
  if (hwnd_) return false;
  HINSTANCE module = kv::CodeModule(reinterpret_cast<const void*>(&TreeWindow::WindowProc));
  if (!RegisterOnce(module, &TreeWindow::WindowProc)) return false;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPCHILDREN;
  HWND hwnd =
      CreateWindowExW(0, kClassName, L"", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                      parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), module, this);
  return hwnd != nullptr;
}

void TreeWindow::Destroy() {
  editor_.End(false);
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK TreeWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TreeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TreeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->host_.OnWindowDestroyed();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  // The owner may let go of the control from inside an event handler; keep it alive until the
  // message is handled.
  self->host_.HoldHost();
  LRESULT result = self->Handle(message, wParam, lParam);
  self->host_.ReleaseHost();
  return result;
}

LRESULT TreeWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      UpdateMetrics();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      OnMouseButton(message, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_KEYUP:
      OnKeyUp(wParam);
      return 0;
    case WM_CHAR:
      OnChar(wParam);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnSetCursor()) return TRUE;
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate();
      host_.OnFocusGained();
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      HideTip();
      Invalidate();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ENABLE:
      Invalidate();
      return 0;
    case KVTM_GETITEMRECT:
      return ItemRect(static_cast<Index>(wParam), reinterpret_cast<RECT*>(lParam));
    case KVTM_NODEDRAG:
      if (wParam == KVTREE_DRAG_DROP) return DropAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return DragOverAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), static_cast<int>(wParam));
    case WM_CANCELMODE:
      DragCancel();
      if (GetCapture() == hwnd_) ReleaseCapture();
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

BOOL TreeWindow::ItemRect(Index node, RECT* rect) {
  if (!rect) return FALSE;
  int row = layout_.RowOf(node);
  LineGeometry g;
  if (row < 0 || !layout_.RowGeometry(row, g)) return FALSE;
  Rect part;
  switch (rect->left) {
    case KVTREE_PART_LINE:
      part = g.line;
      break;
    case KVTREE_PART_PLUS:
      part = g.plus;
      break;
    case KVTREE_PART_CHECK:
      part = g.check;
      break;
    case KVTREE_PART_RADIO:
      part = g.radio;
      break;
    case KVTREE_PART_PICTURE:
      part = g.picture;
      break;
    case KVTREE_PART_TEXT:
      part = g.text;
      break;
    default:
      return FALSE;
  }
  if (part.Empty()) return FALSE;
  *rect = RECT{part.left, part.top, part.right, part.bottom};
  return TRUE;
}

void TreeWindow::UpdateMetrics() {
  LayoutMetrics m = layout_.Metrics();
  if (hwnd_) {
    RECT client;
    GetClientRect(hwnd_, &client);
    m.width = client.right;
    m.height = client.bottom;
    HDC dc = GetDC(hwnd_);
    HGDIOBJ old = SelectObject(dc, graphics_.MainFont());
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    // Pictures keep their natural size (at most 64 pixels; 16 with SmallIcons) and lines grow to fit them.
    SIZE cell = graphics_.PictureCellSize(props_.Flag(kPropUseImageList), props_.Number(kPropPicCols),
                                          props_.Number(kPropPicRows));
    const int limit = props_.Flag(kPropSmallIcons) ? 16 : 64;
    m.pictureWidth = std::min<int>(limit, cell.cx);
    m.pictureHeight = std::min<int>(limit, cell.cy);
    m.lineHeight =
        std::max<int>(std::max<int>(16, tm.tmHeight + 2), m.pictureHeight + 2) + props_.Number(kPropHeightOffset);
    if (m.lineHeight < 4) m.lineHeight = 4;
    m.titleHeight = props_.Flag(kPropShowTitle) ? tm.tmHeight + 6 + props_.Number(kPropTitleOffset) : 0;
    m.headerHeight = props_.Flag(kPropShowHeader) && model_.ColumnCount() > 0
                         ? tm.tmHeight + 6 + props_.Number(kPropHeaderOffset)
                         : 0;
    if (m.titleHeight < 0) m.titleHeight = 0;
    if (m.headerHeight < 0) m.headerHeight = 0;
  }
  m.pictureType = static_cast<PictureType>(props_.Number(kPropPictureType));
  m.checkXOffset = props_.Number(kPropCheckXOffset);
  m.checkYOffset = props_.Number(kPropCheckYOffset);
  m.radioXOffset = props_.Number(kPropRadioXOffset);
  m.radioYOffset = props_.Number(kPropRadioYOffset);
  m.defaultPictures = graphics_.Picture(PictureSlot::PictureOpen) || graphics_.Picture(PictureSlot::PictureClose) ||
                      graphics_.Picture(PictureSlot::PictureLeaf);
  layout_.SetMetrics(m);
}

void TreeWindow::UpdateScrollBar() {
  if (!hwnd_) return;
  SCROLLINFO si = {};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 0;
  si.nMax = std::max<Index>(0, model_.ItemsOpen() - 1);
  si.nPage = static_cast<UINT>(std::max(1, layout_.LinesPerList()));
  si.nPos = layout_.TopLine();
  SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void TreeWindow::Refresh() {
  UpdateMetrics();
  Invalidate();
}

void TreeWindow::Invalidate() {
  // One request per paint: filling a list calls this for every node, and each InvalidateRect is a
  // round trip to the window system.
  if (!hwnd_ || paintPending_) return;
  paintPending_ = true;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void TreeWindow::Redraw(bool now) {
  Refresh();
  if (now && hwnd_) UpdateWindow(hwnd_);
}

void TreeWindow::OnSize() {
  UpdateMetrics();
  Invalidate();
}

void TreeWindow::ScrollToLine(Index line) {
  HideTip();
  Index before = layout_.TopLine();
  layout_.SetTopLine(std::clamp<Index>(line, 0, layout_.MaxTopLine()));
  if (layout_.TopLine() != before) {
    editor_.End(true);
    Invalidate();
  }
}

void TreeWindow::OnVScroll(int code) {
  Index top = layout_.TopLine();
  Index page = std::max(1, layout_.LinesPerList() - 1);
  switch (code) {
    case SB_LINEUP:
      ScrollToLine(top - 1);
      break;
    case SB_LINEDOWN:
      ScrollToLine(top + 1);
      break;
    case SB_PAGEUP:
      ScrollToLine(top - page);
      break;
    case SB_PAGEDOWN:
      ScrollToLine(top + page);
      break;
    case SB_TOP:
      ScrollToLine(0);
      break;
    case SB_BOTTOM:
      ScrollToLine(layout_.MaxTopLine());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      if (code == SB_THUMBTRACK && !props_.Flag(kPropScrollOnVThumb)) break;
      SCROLLINFO si = {};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd_, SB_VERT, &si);
      ScrollToLine(si.nTrackPos);
      break;
    }
    default:
      break;
  }
}

void TreeWindow::OnWheel(int delta) {
  wheelRest_ += delta;
  int notches = wheelRest_ / WHEEL_DELTA;
  wheelRest_ -= notches * WHEEL_DELTA;
  if (notches) ScrollToLine(layout_.TopLine() - notches * 3);
}

void TreeWindow::EnsureVisible(Index node) {
  if (!model_.Nodes().Valid(node)) return;
  // Open the collapsed ancestors first, so that the node has a line.
  for (Index p = model_.Nodes().At(node).parent; p >= 0; p = model_.Nodes().At(p).parent) {
    if (!model_.Nodes().At(p).Has(kExpanded)) model_.SetNode(NodeField::Expanded, p, 1);
  }
  if (layout_.EnsureVisible(node)) Invalidate();
}

bool TreeWindow::StartLabelEdit() {
  Index node = model_.Selected();
  if (!hwnd_ || !props_.Flag(kPropLabelEdit) || node < 0) return false;
  EnsureVisible(node);
  int row = layout_.RowOf(node);
  LineGeometry g;
  if (row < 0 || !layout_.RowGeometry(row, g)) return false;
  host_.OnNode(NodeEvent::BeforeLabelEdit, node);
  host_.OnNode(NodeEvent::SetLabelEdit, node);
  if (model_.Selected() != node || !model_.Nodes().Valid(node)) return false;  // a handler moved on
  RECT r = {g.text.left, g.text.top, g.column1Right, g.text.bottom};
  return editor_.Open(hwnd_, r, graphics_.MainFont(), node, model_.Nodes().At(node).text,
                      [this](Index edited, bool store, const std::wstring& text) { FinishEdit(edited, store, text); });
}

// AfterLabelEdit comes before the text is stored, so that its handler can still refuse the text
// with CancelEdit (the old text stays).
void TreeWindow::FinishEdit(Index node, bool store, const std::wstring& text) {
  if (store && model_.Nodes().Valid(node)) {
    inAfterEdit_ = true;
    editRefused_ = false;
    host_.OnAfterLabelEdit(node, text);
    inAfterEdit_ = false;
    if (!editRefused_ && model_.Nodes().Valid(node)) model_.SetNodeText(NodeTextField::Text, node, text);
  }
  if (hwnd_) SetFocus(hwnd_);
}

void TreeWindow::EndLabelEdit(bool store) {
  if (inAfterEdit_ && !store) editRefused_ = true;
  editor_.End(store);
}

}  // namespace kv::tree
