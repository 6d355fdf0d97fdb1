// The function tree on the kvTreeView control (kvtree.dll through its client header). Tree events are
// forwarded to the handlers the page sets in `Events()`.
#pragma once

#include <memory>

#include "app/pages/win32/tree_control.h"
#include "treelist/include/kvtree_client.h"

namespace kv {

class KvTreeControl : public TreeControl {
 public:
  // nullptr when the control cannot be created (library missing or failing).
  static std::unique_ptr<KvTreeControl> Create(HWND parent, int id, int style);
  treeclient::TreeEvents& Events() { return tree_.events; }

  HWND hwnd() const override { return tree_.Window(); }
  int AddNode(const std::string& text, int position, int level) override;
  int AddPictureNode(const std::string& text, int position, int level, int picture, int openPicture,
                     int selectedPicture) override;
  void SetNodeExpanded(int line, bool expanded) override;
  void SetNodeShowChecks(int line, bool show) override;
  void SetNodeFontBold(int line, int style) override { tree_.SetNodeFontBold(line, static_cast<short>(style)); }
  int NodeFontBold(int line) const override;
  void SetNodeColumnCheck(int line, int column, int value) override;
  int NodeColumnCheck(int line, int column) const override { return tree_.NodeCheck(line, static_cast<short>(column)); }
  void SetNodeSubText(int line, const std::string& text) override;
  void SetNodeCargo(int line, const std::string& cargo) override;
  std::string NodeCargo(int line) const override;
  int ListCount() const override { return static_cast<int>(tree_.ListCount()); }
  int Selected() const override { return static_cast<int>(tree_.Selected()); }
  void SetSelected(int line) override { tree_.SetSelected(line); }
  void SetTreeStyle(bool treeLines, bool plusMinus) override;
  void Redraw() override;
  void SetBackImage(HBITMAP picture) override { tree_.SetBackImage(picture); }

 private:
  KvTreeControl() = default;
  treeclient::TreeList tree_;
};

}  // namespace kv
