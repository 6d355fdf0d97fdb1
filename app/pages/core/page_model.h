// One tool page without windows: its tabs, the trees on them, the per-tab help texts, the info button
// state, and the handlers of the tree events and of the tree menu (PopupMenuClick).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/pages/core/function_tree.h"
#include "app/pages/core/page_layouts.h"

namespace kv {

// What a page needs from the main window.
class PageHost {
 public:
  virtual ~PageHost() = default;
  virtual std::string Text(int id) const = 0;           // numbered text with the language offset
  virtual std::string SlotFunctionHelp(int slot) const = 0;  // help text of the function in an index slot
  virtual void ShowFunctionHelp(const std::string& helpText) = 0;  // help box, main window as owner
  virtual bool RestoreAvailable() const = 0;
  virtual void OpenRestore(int page, int functionNumber) = 0;
  virtual int TreeViewStyle() const = 0;
  virtual void SetTreeViewStyle(int style) = 0;
  virtual void PlaySound(int kind) = 0;
};

// Enabled and check states of the "TreeViewStyle" band's tools for one showing of the menu.
struct TreeMenuState {
  bool FktInf, Undo, Normal, Baum, PlusMinus;
  int CheckedId;  // 1030, 1040, 1050 or 0
};
// Context menu (right click on a function): help and restore only.
TreeMenuState ContextMenuState(bool restoreAvailable);
// Style menu (picture button): the three styles, the current one checked.
TreeMenuState StyleMenuState(int treeViewStyle);

enum MouseButton { kLeftButton = 1, kRightButton = 2 };

enum PageQuery { kQueryTab = 0, kQueryTreeIndex = 1, kQuerySelected = 2, kQueryFunction = 3, kQueryPage = 4 };

class PageModel {
 public:
  PageModel(const PageLayout& layout, FunctionSource& source, PageHost& host);

  const PageLayout& Layout() const { return layout_; }
  // The tree shown on a tab (index = position among the page's trees, 1-based; tag = tab number).
  void AttachTree(int tab, FunctionTreeView* tree);
  FunctionTreeView* TreeOfTab(int tab) const;

  // Page load: tab-to-page table, fill every tree, style, then evaluate the current tab.
  void Load();
  // A tree made after the load (a tab's tree is made when the tab is first shown): filled and styled
  // at once, and the info button re-evaluated when it is the current tab's.
  void AddTree(int tab, FunctionTreeView* tree);
  bool Loaded() const { return loaded_; }

  int Tab() const { return tab_; }
  // Changing the tab plays sound 1 (once loaded) and re-evaluates the info button.
  void SetTab(int tab);

  int PageState(int query) const;
  bool InfoEnabled() const { return infoEnabled_; }
  std::string HelpText(int tab) const;

  // Tree events, on the tree of the current tab.
  void SelectionChanged();
  void NodeOver(int node) { nodeOver_ = node; }
  void CheckClick(int line, int column, int value);
  void DoubleClick();
  void MouseDown(int button);
  // True when the context menu is to be shown now.
  bool MouseUp(int button);

  void PopupMenuClick(int toolId);
  void ApplyTreeStyle();

 private:
  const PageLayout& layout_;
  FunctionSource& source_;
  PageHost& host_;
  void FillTree(int tab, FunctionTreeView& tree);

  std::vector<std::pair<int, FunctionTreeView*>> trees_;  // (tab, tree) in the order attached
  std::array<int, kMaxTabs> tabToPage_{};
  std::array<std::string, kMaxTabs> helpText_{};
  int tab_ = 0;
  int nodeOver_ = -1;
  bool leftDown_ = false;
  bool infoEnabled_ = false;
  bool loaded_ = false;
  bool loading_ = false;
};

}  // namespace kv
