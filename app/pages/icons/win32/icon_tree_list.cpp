// The icon list control (see icon_tree_list.h).
#include "app/pages/icons/win32/icon_tree_list.h"

#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
constexpr short kIconColumnWidth = 56;

}  // namespace

bool IconTreeList::Create(HWND page, int id, const std::string& iconCaption, const std::string& descriptionCaption) {
  if (!tree_.Create(page, RECT{0, 0, 10, 10}, id)) return false;
  ShowWindow(tree_.Window(), SW_HIDE);
  tree_->put_BackColor(static_cast<long>(ui::kPageBack));
  tree_->put_SelectedBackColor(static_cast<long>(ui::kAccentLight));
  tree_->put_SelectedForeColor(static_cast<long>(ui::kText));
  tree_->put_TreeLines(VARIANT_FALSE);
  tree_->put_PictureType(PicsNone);
  tree_->put_UseImageList(VARIANT_TRUE);
  tree_->put_MaskColor(static_cast<long>(kScratchMaskColour));
  tree_->put_ShowHeader(VARIANT_TRUE);
  tree_.AddColumn(treeclient::FromAnsi(iconCaption), kIconColumnWidth);
  tree_.AddColumn(treeclient::FromAnsi(descriptionCaption), 200);
  return true;
}

void IconTreeList::Place(const RECT& r) {
  HWND window = tree_.Window();
  if (!window) return;
  MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  const int rest = (r.right - r.left) - kIconColumnWidth - GetSystemMetrics(SM_CXVSCROLL) - 4;
  if (rest > 20) tree_->put_ColumnWidth(2, static_cast<short>(rest));
}

int IconTreeList::AddScratchImage() { return tree_.AddBitmap(scratch_.Bitmap()); }

int IconTreeList::AddItem(const std::string& text, int picture) {
  const long line = tree_.AddPictureNode(treeclient::FromAnsi(text), 0, 1, static_cast<short>(picture));
  if (line >= 0) tree_->put_NodeShowChecks(line, VARIANT_FALSE);
  return static_cast<int>(line);
}

void IconTreeList::SetItemPicture(int line, int picture) {
  if (tree_) tree_->put_NodePicture(line, static_cast<short>(picture));
}

void IconTreeList::SetCargo(int line, const std::string& cargo) { tree_.SetNodeCargo(line, treeclient::FromAnsi(cargo)); }

std::string IconTreeList::Cargo(int line) const { return treeclient::ToAnsi(tree_.NodeCargo(line)); }

void IconTreeList::Redraw() {
  if (tree_) tree_->ReDraw(VARIANT_TRUE);
}

}  // namespace kv
