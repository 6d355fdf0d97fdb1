// kvTreeView adapter (see kv_tree_control.h).
#include "app/pages/win32/kv_tree_control.h"

#include "app/controls/win32/drawing_bitmap.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
// Pictures 1 to 4 of every function tree: group closed, group open, text value, number value.
HBITMAP FunctionPictures() {
  static HBITMAP strip = nullptr;
  if (strip) return strip;
  const int cell = 16;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  strip = controls::CreatePictureBitmap(4 * cell, cell);
  HGDIOBJ old = SelectObject(dc, strip);
  RECT all = {0, 0, 4 * cell, cell};
  ui::FillSolid(dc, all, RGB(255, 255, 255));
  for (int i = 0; i < 2; ++i) {  // folders: closed and open
    const int x = i * cell;
    RECT tab = {x + 2, 3, x + 7, 5};
    RECT body = {x + 2, 5, x + 14, 13};
    ui::FillSolid(dc, tab, RGB(222, 170, 60));
    ui::FillSolid(dc, body, i == 0 ? RGB(240, 196, 90) : RGB(250, 214, 120));
  }
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, ui::BoldFont());
  SetTextColor(dc, ui::kAccent);
  RECT text = {2 * cell, 0, 3 * cell, cell};
  DrawTextA(dc, "T", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  RECT number = {3 * cell, 0, 4 * cell, cell};
  DrawTextA(dc, "#", 1, &number, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return strip;
}
}  // namespace

std::unique_ptr<KvTreeControl> KvTreeControl::Create(HWND parent, int id, int style) {
  std::unique_ptr<KvTreeControl> self(new KvTreeControl());
  if (!self->tree_.Create(parent, RECT{0, 0, 10, 10}, id)) return nullptr;
  self->tree_.SetPictureStrip(FunctionPictures(), 4);
  self->tree_->put_BackColor(static_cast<long>(ui::kPageBack));
  self->tree_->put_SelectedBackColor(static_cast<long>(ui::kAccentLight));
  self->tree_->put_SelectedForeColor(static_cast<long>(ui::kText));
  self->SetTreeStyle(style != 0, style == 2);
  return self;
}

int KvTreeControl::AddNode(const std::string& text, int position, int level) {
  return static_cast<int>(tree_.AddNode(treeclient::FromAnsi(text), static_cast<short>(position), static_cast<short>(level)));
}

int KvTreeControl::AddPictureNode(const std::string& text, int position, int level, int picture, int openPicture,
                                  int selectedPicture) {
  return static_cast<int>(tree_.AddPictureNode(treeclient::FromAnsi(text), static_cast<short>(position), static_cast<short>(level),
                                               static_cast<short>(picture), static_cast<short>(openPicture),
                                               static_cast<short>(selectedPicture)));
}

void KvTreeControl::SetNodeExpanded(int line, bool expanded) {
  tree_->put_NodeExpanded(line, expanded ? VARIANT_TRUE : VARIANT_FALSE);
}

void KvTreeControl::SetNodeShowChecks(int line, bool show) {
  tree_->put_NodeShowChecks(line, show ? VARIANT_TRUE : VARIANT_FALSE);
}

int KvTreeControl::NodeFontBold(int line) const {
  short value = 0;
  tree_->get_NodeFontBold(line, &value);
  return value;
}

void KvTreeControl::SetNodeColumnCheck(int line, int column, int value) {
  tree_.SetNodeCheck(line, static_cast<short>(value), static_cast<short>(column));
}

void KvTreeControl::SetNodeSubText(int line, const std::string& text) { tree_.SetNodeSubText(line, treeclient::FromAnsi(text)); }
void KvTreeControl::SetNodeCargo(int line, const std::string& cargo) { tree_.SetNodeCargo(line, treeclient::FromAnsi(cargo)); }
std::string KvTreeControl::NodeCargo(int line) const { return treeclient::ToAnsi(tree_.NodeCargo(line)); }

void KvTreeControl::SetTreeStyle(bool treeLines, bool plusMinus) {
  tree_->put_TreeLines(treeLines ? VARIANT_TRUE : VARIANT_FALSE);
  tree_->put_PictureType(plusMinus ? PicsPlus : PicsNone);
}

void KvTreeControl::Redraw() { tree_->ReDraw(VARIANT_FALSE); }

}  // namespace kv
