// FunctionTreeView over the system tree view (SysTreeView32 with check-box state pictures): the tree the pages use
// until the kvTreeView control is sited here. Value lines show their sub-text after the caption.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/pages/win32/tree_control.h"

namespace kv {

class Win32TreeView : public TreeControl {
 public:
  // `style`: the display style the tree starts with (0 normal, 1 lines, 2 lines and plus/minus).
  Win32TreeView(HWND parent, int id, int style);
  HWND hwnd() const override { return tree_; }
  // Line of a tree item, -1 when none.
  int LineOf(HTREEITEM item) const;
  // Line under a client point and whether the point is on its check box.
  int HitTest(POINT clientPoint, bool* onCheckBox) const;
  // A click on a line's box: toggles it (false when the line has no box).
  bool ToggleCheck(int line);
  void ScrollToTop() override;
  // Lays every line out again (the control may keep positions computed while it was hidden).
  void RefreshLayout() override;
  // Custom drawing of the lines: group lines bold in the accent colour.
  LRESULT CustomDraw(NMTVCUSTOMDRAW* draw) const;

  int AddNode(const std::string& text, int position, int level) override;
  int AddPictureNode(const std::string& text, int position, int level, int picture, int openPicture,
                     int selectedPicture) override;
  void SetNodeExpanded(int line, bool expanded) override;
  void SetNodeShowChecks(int line, bool show) override;
  void SetNodeFontBold(int line, int style) override;
  int NodeFontBold(int line) const override;
  void SetNodeColumnCheck(int line, int column, int value) override;
  int NodeColumnCheck(int line, int column) const override;
  void SetNodeSubText(int line, const std::string& text) override;
  void SetNodeCargo(int line, const std::string& cargo) override;
  std::string NodeCargo(int line) const override;
  int ListCount() const override { return static_cast<int>(lines_.size()); }
  int Selected() const override;
  void SetSelected(int line) override;
  void SetTreeStyle(bool treeLines, bool plusMinus) override;
  void Redraw() override { InvalidateRect(tree_, nullptr, TRUE); }

 private:
  struct Line {
    HTREEITEM Item;
    std::string Text, SubText, Cargo;
    int FontBold = 0;
    bool ShowChecks = true;
  };
  bool Valid(int line) const { return line >= 0 && line < static_cast<int>(lines_.size()); }
  void SetState(int line, UINT mask, UINT state);
  void UpdateText(int line);
  HWND tree_;
  std::vector<Line> lines_;
  HTREEITEM lastGroup_ = TVI_ROOT;
};

}  // namespace kv
