// System tree view adapter (see win32_tree_view.h).
#include "app/pages/win32/win32_tree_view.h"

#include "app/controls/win32/drawing_bitmap.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
// State pictures of our own (0 none, 1 unchecked, 2 checked), so that a line without a box has none and
// the box toggles only through this adapter.
HIMAGELIST CheckBoxPictures() {
  static HIMAGELIST list = nullptr;
  if (list) return list;
  const int size = 16;
  list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 3, 0);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  for (int image = 0; image < 3; ++image) {
    HBITMAP bitmap = controls::CreatePictureBitmap(size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    ui::FillSolid(dc, all, RGB(255, 0, 255));
    if (image > 0) {
      RECT box = {2, 2, 15, 15};
      ui::FillSolid(dc, box, ui::kAccent);
      RECT inner = {3, 3, 14, 14};
      ui::FillSolid(dc, inner, RGB(255, 255, 255));
      if (image == 2) {
        HPEN pen = CreatePen(PS_SOLID, 2, ui::kAccentDark);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, 5, 8, nullptr);
        LineTo(dc, 7, 11);
        LineTo(dc, 12, 5);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
      }
    }
    SelectObject(dc, old);
    ImageList_AddMasked(list, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return list;
}
}  // namespace

Win32TreeView::Win32TreeView(HWND parent, int id, int style) {
  // Lines are laid out when they are added, so the tree is created in its display style already.
  const DWORD look = style == 1 ? TVS_HASLINES | TVS_LINESATROOT
                     : style == 2 ? TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS
                                  : 0;
  tree_ = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_TABSTOP | TVS_SHOWSELALWAYS | TVS_FULLROWSELECT | look, 0, 0, 10,
                          10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                          nullptr);
  SendMessageA(tree_, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(CheckBoxPictures()));
  SendMessageA(tree_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  SendMessageA(tree_, TVM_SETINDENT, 18, 0);
  SendMessageA(tree_, TVM_SETITEMHEIGHT, 20, 0);
}

int Win32TreeView::LineOf(HTREEITEM item) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].Item == item) return static_cast<int>(i);
  return -1;
}

int Win32TreeView::HitTest(POINT p, bool* onCheckBox) const {
  TVHITTESTINFO hit{};
  hit.pt = p;
  HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (onCheckBox) *onCheckBox = (hit.flags & TVHT_ONITEMSTATEICON) != 0;
  return item ? LineOf(item) : -1;
}

int Win32TreeView::AddNode(const std::string& text, int position, int level) {
  (void)position;  // lines are always appended
  TVINSERTSTRUCTA ins{};
  ins.hParent = level == 0 ? TVI_ROOT : lastGroup_;
  ins.hInsertAfter = TVI_LAST;
  ins.item.mask = TVIF_TEXT;
  ins.item.pszText = const_cast<char*>(text.c_str());
  HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&ins)));
  if (level == 0) lastGroup_ = item;
  Line line;
  line.Item = item;
  line.Text = text;
  lines_.push_back(line);
  const int index = static_cast<int>(lines_.size()) - 1;
  SetNodeColumnCheck(index, 1, 0);
  return index;
}

bool Win32TreeView::ToggleCheck(int line) {
  if (!Valid(line) || !lines_[line].ShowChecks) return false;
  SetNodeColumnCheck(line, 1, NodeColumnCheck(line, 1) ? 0 : 1);
  return true;
}

LRESULT Win32TreeView::CustomDraw(NMTVCUSTOMDRAW* draw) const {
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const int line = LineOf(reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec));
  if (!Valid(line) || lines_[line].FontBold != kGroupFontStyle) return CDRF_DODEFAULT;
  SelectObject(draw->nmcd.hdc, ui::BoldFont());
  if (!(draw->nmcd.uItemState & CDIS_SELECTED)) draw->clrText = ui::kAccentDark;
  return CDRF_NEWFONT;
}

void Win32TreeView::RefreshLayout() {
  // Changing the indent and back makes the control lay out every line again for its current style.
  const WPARAM indent = static_cast<WPARAM>(SendMessageA(tree_, TVM_GETINDENT, 0, 0));
  SendMessageA(tree_, TVM_SETINDENT, indent + 1, 0);
  SendMessageA(tree_, TVM_SETINDENT, indent, 0);
}

void Win32TreeView::ScrollToTop() {
  SendMessageA(tree_, WM_VSCROLL, SB_TOP, 0);
  if (!lines_.empty()) SendMessageA(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(lines_[0].Item));
}

int Win32TreeView::AddPictureNode(const std::string& text, int position, int level, int, int, int) {
  return AddNode(text, position, level);
}

void Win32TreeView::SetState(int line, UINT mask, UINT state) {
  if (!Valid(line)) return;
  TVITEMA item{};
  item.mask = TVIF_STATE;
  item.hItem = lines_[line].Item;
  item.stateMask = mask;
  item.state = state;
  SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32TreeView::SetNodeExpanded(int line, bool expanded) { SetState(line, TVIS_EXPANDED, expanded ? TVIS_EXPANDED : 0); }

void Win32TreeView::SetNodeShowChecks(int line, bool show) {
  if (!Valid(line)) return;
  lines_[line].ShowChecks = show;
  SetState(line, TVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(show ? 1 : 0));
}

void Win32TreeView::SetNodeFontBold(int line, int style) {
  if (!Valid(line)) return;
  lines_[line].FontBold = style;
  SetState(line, TVIS_BOLD, style == kGroupFontStyle ? TVIS_BOLD : 0);
}

int Win32TreeView::NodeFontBold(int line) const { return Valid(line) ? lines_[line].FontBold : 0; }

void Win32TreeView::SetNodeColumnCheck(int line, int, int value) {
  if (!Valid(line) || !lines_[line].ShowChecks) return;
  SetState(line, TVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(value ? 2 : 1));
}

int Win32TreeView::NodeColumnCheck(int line, int) const {
  if (!Valid(line)) return 0;
  UINT state = static_cast<UINT>(SendMessageA(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(lines_[line].Item),
                                              TVIS_STATEIMAGEMASK));
  return (state >> 12) == 2 ? 1 : 0;
}

void Win32TreeView::UpdateText(int line) {
  Line& l = lines_[line];
  std::string text = l.Text;
  if (!l.SubText.empty()) text += "   " + (l.SubText[0] == '#' ? l.SubText.substr(1) : l.SubText);
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = l.Item;
  item.pszText = const_cast<char*>(text.c_str());
  SendMessageA(tree_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void Win32TreeView::SetNodeSubText(int line, const std::string& text) {
  if (!Valid(line)) return;
  lines_[line].SubText = text;
  UpdateText(line);
}

void Win32TreeView::SetNodeCargo(int line, const std::string& cargo) {
  if (Valid(line)) lines_[line].Cargo = cargo;
}

std::string Win32TreeView::NodeCargo(int line) const { return Valid(line) ? lines_[line].Cargo : std::string(); }

int Win32TreeView::Selected() const {
  HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  return item ? LineOf(item) : -1;
}

void Win32TreeView::SetSelected(int line) {
  if (Valid(line)) SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(lines_[line].Item));
}

void Win32TreeView::SetTreeStyle(bool treeLines, bool plusMinus) {
  LONG_PTR style = GetWindowLongPtrA(tree_, GWL_STYLE) & ~static_cast<LONG_PTR>(TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS);
  if (treeLines) style |= TVS_HASLINES | TVS_LINESATROOT;
  if (plusMinus) style |= TVS_HASBUTTONS;
  SetWindowLongPtrA(tree_, GWL_STYLE, style);
  RefreshLayout();
  SetWindowPos(tree_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  InvalidateRect(tree_, nullptr, TRUE);
}

}  // namespace kv
