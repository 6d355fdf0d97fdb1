// The restore window's list (see restore_list.h).
#include "app/restore/win32/restore_list.h"

#include <vector>

#include "app/controls/win32/drawing_bitmap.h"
#include "app/pages/win32/ui_theme.h"
#include "treelist/include/kvtree_client.h"

namespace kv {

namespace {

// Picture 1 of the list: a small round arrow (a function set back).
HBITMAP RestorePicture() {
  static HBITMAP picture = nullptr;
  if (picture) return picture;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  picture = controls::CreatePictureBitmap(16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, picture);
  RECT all = {0, 0, 16, 16};
  ui::FillSolid(dc, all, ui::kPageBack);
  HPEN pen = CreatePen(PS_SOLID, 2, ui::kAccent);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  SetArcDirection(dc, AD_COUNTERCLOCKWISE);
  Arc(dc, 2, 3, 14, 15, 8, 3, 14, 9);  // three quarters of a circle, open at the top right
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  const POINT head[3] = {{8, 0}, {12, 4}, {8, 8}};  // arrow head at the top end
  HBRUSH brush = CreateSolidBrush(ui::kAccent);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ nullPen = SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, head, 3);
  SelectObject(dc, nullPen);
  SelectObject(dc, oldBrush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  return picture;
}

class KvTreeRestoreList : public RestoreList {
 public:
  bool Create(HWND parent, int id) {
    if (!tree_.Create(parent, RECT{0, 0, 10, 10}, id)) return false;
    tree_.SetPictureStrip(RestorePicture(), 1);
    tree_->put_BackColor(static_cast<long>(ui::kPageBack));
    tree_->put_SelectedBackColor(static_cast<long>(ui::kAccentLight));
    tree_->put_SelectedForeColor(static_cast<long>(ui::kText));
    tree_->put_TreeLines(VARIANT_FALSE);
    tree_->put_PictureType(PicsNone);
    tree_->put_ShowTitle(VARIANT_TRUE);
    return true;
  }
  HWND hwnd() const override { return tree_.Window(); }
  void SetTitle(const std::string& title) override { tree_.SetTitleText(treeclient::FromAnsi(title)); }
  void Clear() override { tree_->ClearNodes(); }
  int AddLine(const std::string& caption) override {
    const int line = static_cast<int>(tree_.AddPictureNode(treeclient::FromAnsi(caption), 0, 0, 1, 0, 0));
    tree_->put_NodeShowChecks(line, VARIANT_FALSE);
    return line;
  }
  void SetSubText(int line, const std::string& text) override { tree_.SetNodeSubText(line, treeclient::FromAnsi(text)); }
  void ShowLine(int line) override {
    tree_.SetSelected(line);
    tree_->EnsureVisible(line);
    tree_->ReDraw(VARIANT_TRUE);
  }
  int LineCount() const override { return static_cast<int>(tree_.ListCount()); }
  std::string SubText(int line) const override { return treeclient::ToAnsi(tree_.NodeSubText(line)); }
  void OnSelect(std::function<void(int line)> handler) override {
    tree_.events.change = [handler](long index) { handler(static_cast<int>(index)); };
  }

 private:
  treeclient::TreeList tree_;
};

// Without the control: one list box line per function, "caption<tab>sub-text".
class ListBoxRestoreList : public RestoreList {
 public:
  bool Create(HWND parent, int id) {
    box_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_USETABSTOPS, 0, 0, 10, 10,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!box_) return false;
    SendMessageA(box_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
    int stop = 200;
    SendMessageA(box_, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&stop));
    return true;
  }
  HWND hwnd() const override { return box_; }
  void SetTitle(const std::string&) override {}  // the window's heading names the scope
  void Clear() override {
    SendMessageA(box_, LB_RESETCONTENT, 0, 0);
    lines_.clear();
  }
  int AddLine(const std::string& caption) override {
    lines_.push_back({caption, std::string()});
    return static_cast<int>(SendMessageA(box_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str())));
  }
  void SetSubText(int line, const std::string& text) override {
    if (line < 0 || line >= static_cast<int>(lines_.size())) return;
    lines_[static_cast<std::size_t>(line)].second = text;
    const std::string shown = lines_[static_cast<std::size_t>(line)].first + "\t" + text;
    SendMessageA(box_, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    SendMessageA(box_, LB_INSERTSTRING, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(shown.c_str()));
  }
  void ShowLine(int line) override {
    SendMessageA(box_, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
    UpdateWindow(box_);
  }
  int LineCount() const override { return static_cast<int>(lines_.size()); }
  std::string SubText(int line) const override {
    return line >= 0 && line < LineCount() ? lines_[static_cast<std::size_t>(line)].second : std::string();
  }
  void OnSelect(std::function<void(int line)> handler) override { select_ = std::move(handler); }
  void ParentCommand(int notification) override {
    if (notification == LBN_SELCHANGE && select_) select_(static_cast<int>(SendMessageA(box_, LB_GETCURSEL, 0, 0)));
  }

 private:
  std::function<void(int)> select_;
  HWND box_ = nullptr;
  std::vector<std::pair<std::string, std::string>> lines_;
};

}  // namespace

std::unique_ptr<RestoreList> RestoreList::Create(HWND parent, int id) {
  auto tree = std::make_unique<KvTreeRestoreList>();
  if (tree->Create(parent, id)) return tree;
  auto box = std::make_unique<ListBoxRestoreList>();
  if (box->Create(parent, id)) return box;
  return nullptr;
}

}  // namespace kv
