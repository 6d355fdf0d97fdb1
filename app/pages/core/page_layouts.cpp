// Tool page layouts (see page_layouts.h).
#include "app/pages/core/page_layouts.h"

namespace kv {

namespace {
TabLayout TreeTab(const char* caption, int page) {
  TabLayout t;
  t.Caption = caption;
  t.TreePage = page;
  t.Rule = HelpRule::Tree;
  t.RestoreGroup = page;  // a tree tab restores its own function group
  return t;
}

TabLayout OwnTab(const char* caption, HelpRule rule, int helpText, int helpSlot, std::vector<std::string> frames,
                 int restoreGroup = 0) {
  TabLayout t;
  t.RestoreGroup = restoreGroup;
  t.Caption = caption;
  t.Rule = rule;
  t.FixedHelpText = helpText;
  t.FixedHelpSlot = helpSlot;
  t.Frames = std::move(frames);
  return t;
}

std::vector<PageLayout> BuildLayouts() {
  std::vector<PageLayout> pages;
  pages.push_back({500, "Form2",
                   {TreeTab("600", 1), TreeTab("601", 2), TreeTab("602", 16),
                    OwnTab("603", HelpRule::Fixed, 119, -1, {"620", "621", "622", "623"}, 4),
                    OwnTab("604", HelpRule::Fixed, 0, 6, {"605"}, 3)}});
  pages.push_back({510, "Form3",
                   {TreeTab("660", 5), OwnTab("661", HelpRule::Fixed, 123, -1, {"666", "667", "668"}, 6),
                    OwnTab("662", HelpRule::Fixed, 126, -1, {"669", "670"})}});
  pages.push_back({520, "Form4", {OwnTab("710", HelpRule::Fixed, 0, 22, {"717"}, 8), TreeTab("711", 9)}});
  pages.push_back({530, "Form5", {TreeTab("740", 12), TreeTab("741", 13), TreeTab("742", 14)}});
  pages.push_back({540, "Form6", {TreeTab("760", 15), TreeTab("761", 17)}});
  // Both icon tabs show the help of the first desktop icon function (slot 23).
  pages.push_back({600, "Form7", {OwnTab("790", HelpRule::Fixed, 0, 23, {"795"}, 10),
                                  OwnTab("791", HelpRule::Fixed, 0, 23, {"796"}, 11)}});
  pages.push_back({700, "Form8", {TreeTab("800", 18)}});
  return pages;
}
}  // namespace

const std::vector<PageLayout>& AllPageLayouts() {
  static const std::vector<PageLayout> layouts = BuildLayouts();
  return layouts;
}

const PageLayout* PageLayoutForTool(int toolId) {
  for (const PageLayout& p : AllPageLayouts())
    if (p.ToolId == toolId) return &p;
  return nullptr;
}

}  // namespace kv
