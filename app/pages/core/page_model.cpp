// Tool page logic (see page_model.h).
#include "app/pages/core/page_model.h"

namespace kv {

TreeMenuState ContextMenuState(bool restoreAvailable) { return {true, restoreAvailable, false, false, false, 0}; }

TreeMenuState StyleMenuState(int style) {
  int checked = style == 0 ? 1030 : style == 1 ? 1040 : style == 2 ? 1050 : 0;
  return {false, false, true, true, true, checked};
}

PageModel::PageModel(const PageLayout& layout, FunctionSource& source, PageHost& host)
    : layout_(layout), source_(source), host_(host) {}

void PageModel::AttachTree(int tab, FunctionTreeView* tree) { trees_.emplace_back(tab, tree); }

FunctionTreeView* PageModel::TreeOfTab(int tab) const {
  for (const auto& t : trees_)
    if (t.first == tab) return t.second;
  return nullptr;
}

void PageModel::Load() {
  loading_ = true;
  tabToPage_.fill(0);
  for (std::size_t i = 0; i < layout_.Tabs.size() && i < tabToPage_.size(); ++i)
    tabToPage_[i] = layout_.Tabs[i].TreePage;
  for (const auto& t : trees_) FillTree(t.first, *t.second);
  ApplyTreeStyle();
  loading_ = false;
  loaded_ = true;
  SelectionChanged();
}

void PageModel::FillTree(int tab, FunctionTreeView& tree) {
  if (tab >= 0 && tab < static_cast<int>(layout_.Tabs.size()))
    FillFunctionTree(tree, layout_.Tabs[tab].TreePage, source_);
}

void PageModel::AddTree(int tab, FunctionTreeView* tree) {
  AttachTree(tab, tree);
  if (!loaded_) return;  // the load fills it with the others
  loading_ = true;
  FillTree(tab, *tree);
  ApplyTreeStyleTo(*tree, host_.TreeViewStyle());
  loading_ = false;
  if (tab == tab_) SelectionChanged();
}

void PageModel::SetTab(int tab) {
  if (tab < 0 || tab >= static_cast<int>(layout_.Tabs.size()) || tab == tab_) return;
  tab_ = tab;
  if (loaded_) host_.PlaySound(1);
  SelectionChanged();
}

int PageModel::PageState(int query) const {
  switch (query) {
    case kQueryTab:
      return tab_;
    case kQueryTreeIndex: {
      // Position among the page's tree tabs, whichever trees were made yet.
      if (tab_ < 0 || tab_ >= static_cast<int>(layout_.Tabs.size()) || layout_.Tabs[tab_].TreePage <= 0) return -1;
      int index = 0;
      for (int t = 0; t <= tab_; ++t)
        if (layout_.Tabs[t].TreePage > 0) ++index;
      return index;
    }
    case kQuerySelected: {
      FunctionTreeView* t = TreeOfTab(tab_);
      return t ? t->Selected() : -1;
    }
    case kQueryFunction: {
      FunctionTreeView* t = TreeOfTab(tab_);
      if (!t) return -1;
      int line = t->Selected();
      if (line < 0 || line >= t->ListCount()) return -1;
      return CargoFunction(t->NodeCargo(line));
    }
    case kQueryPage:
      return tab_ >= 0 && tab_ < kMaxTabs ? tabToPage_[tab_] : 0;
    default:
      return -1;
  }
}

std::string PageModel::HelpText(int tab) const {
  return tab >= 0 && tab < kMaxTabs ? helpText_[tab] : std::string();
}

void PageModel::SelectionChanged() {
  if (loading_ || tab_ < 0 || tab_ >= static_cast<int>(layout_.Tabs.size())) return;
  const TabLayout& t = layout_.Tabs[tab_];
  if (t.Rule == HelpRule::Tree) {
    int n = PageState(kQueryFunction);
    infoEnabled_ = n >= 0;
    if (n >= 0) {
      const FunctionRecord* f = source_.Function(n);
      helpText_[tab_] = f ? f->HelpText : std::string();
    }
  } else if (t.Rule == HelpRule::Fixed) {
    infoEnabled_ = true;
    helpText_[tab_] = t.FixedHelpText > 0 ? host_.Text(t.FixedHelpText) : host_.SlotFunctionHelp(t.FixedHelpSlot);
  }
}

void PageModel::CheckClick(int line, int column, int value) {
  (void)column;
  FunctionTreeView* t = TreeOfTab(tab_);
  if (!t || line < 0 || loading_) return;
  int n = CargoFunction(t->NodeCargo(line));
  if (n >= 0) source_.ApplyFunctionState(n, value != 0);
  t->SetSelected(line);
  SelectionChanged();
}

void PageModel::DoubleClick() {
  FunctionTreeView* t = TreeOfTab(tab_);
  if (!t || !leftDown_) return;
  int line = t->Selected();
  if (line < 0 || line != nodeOver_ || t->NodeFontBold(line) == kGroupFontStyle) return;
  int n = CargoFunction(t->NodeCargo(line));
  const FunctionRecord* f = n >= 0 ? source_.Function(n) : nullptr;
  if (!f) return;
  if (f->InputKind == InputOnOff) {
    t->SetNodeColumnCheck(line, 1, t->NodeColumnCheck(line, 1) == 0 ? 1 : 0);
    source_.ApplyFunctionState(n, t->NodeColumnCheck(line, 1) != 0);
  } else if (f->InputKind == InputText || f->InputKind == InputNumber) {
    std::string result = source_.EditFunctionValue(n);
    if (result != kSettingDialogError) t->SetNodeSubText(line, result);
    t->Redraw();
  }
}

void PageModel::MouseDown(int button) {
  leftDown_ = button == kLeftButton;
  if (button != kRightButton || nodeOver_ < 0) return;
  if (FunctionTreeView* t = TreeOfTab(tab_)) {
    t->SetSelected(nodeOver_);
    SelectionChanged();
  }
}

bool PageModel::MouseUp(int button) {
  if (button != kRightButton || nodeOver_ < 0) return false;
  FunctionTreeView* t = TreeOfTab(tab_);
  return t && nodeOver_ == t->Selected() && infoEnabled_;
}

void PageModel::PopupMenuClick(int toolId) {
  switch (toolId) {
    case 1000:
      host_.ShowFunctionHelp(HelpText(tab_));
      break;
    case 1010:
      if (host_.RestoreAvailable()) host_.OpenRestore(PageState(kQueryPage), PageState(kQueryFunction));
      break;
    case 1030:
    case 1040:
    case 1050:
      host_.SetTreeViewStyle((toolId - 1030) / 10);
      ApplyTreeStyle();
      break;
    default:
      break;
  }
}

void PageModel::ApplyTreeStyle() {
  for (const auto& t : trees_) ApplyTreeStyleTo(*t.second, host_.TreeViewStyle());
}

}  // namespace kv
