// The tool pages Form2 .. Form8 as data: tool id, tabs with their designed captions (string ids), which
// tab carries a function tree of which catalogue page, the help rule of each tab and its frame captions.
#pragma once

#include <string>
#include <vector>

namespace kv {

enum class HelpRule { None, Tree, Fixed };

struct TabLayout {
  std::string Caption;              // designed caption (string id)
  int TreePage = 0;                 // catalogue page of the tab's tree, 0 = no tree
  HelpRule Rule = HelpRule::None;
  int FixedHelpText = 0;            // string id of the tab's own help text (fixed rule), 0 = none
  int FixedHelpSlot = -1;           // or the help text of the function in this index slot
  std::vector<std::string> Frames;  // designed frame captions of the tab's own controls
  int RestoreGroup = 0;             // function group the page's undo button restores on this tab, 0 = none
};

struct PageLayout {
  int ToolId;
  std::string FormName;
  std::vector<TabLayout> Tabs;
};

// The page of a tool id, or nullptr (tool 1 and unknown ids host no page; 99 is the restore window).
const PageLayout* PageLayoutForTool(int toolId);
const std::vector<PageLayout>& AllPageLayouts();

constexpr int kMaxTabs = 6;

}  // namespace kv
