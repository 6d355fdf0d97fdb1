// Function trees and the page logic against a hand-built catalogue and a fake tree.
#include <gtest/gtest.h>

#include <map>

#include "app/pages/core/function_tree.h"
#include "app/pages/core/page_model.h"
#include "app/pages/tests/fake_source.h"
#include "app/pages/tests/fake_tree.h"

namespace kv {
namespace {

class FakeHost : public PageHost {
 public:
  int style = 0;
  std::vector<std::string> log;
  bool restore = true;
  std::string Text(int id) const override { return "text " + std::to_string(id); }
  std::string SlotFunctionHelp(int slot) const override { return "slot " + std::to_string(slot); }
  void ShowFunctionHelp(const std::string& t) override { log.push_back("help: " + t); }
  bool RestoreAvailable() const override { return restore; }
  void OpenRestore(int page, int fn) override { log.push_back("restore " + std::to_string(page) + "/" + std::to_string(fn)); }
  int TreeViewStyle() const override { return style; }
  void SetTreeViewStyle(int s) override { style = s; }
  void PlaySound(int kind) override { log.push_back("sound " + std::to_string(kind)); }
};

FakeSource SampleCatalogue() {
  FakeSource s;
  s.functions = {Fn(0, 0, "unused", 0),
                 Fn(12, 1, "Alpha", 0),           // 1
                 Fn(12, 2, "Hidden group", 0),    // 2: group 2 has no caption
                 Fn(12, 1, "Name", 1),            // 3
                 Fn(12, 3, "Count", 2),           // 4
                 Fn(12, 1, "NT4 only", 0, 1),     // 5
                 Fn(12, 1, "W2K only", 0, 0),     // 6
                 Fn(12, 1, "Odd kind", 7),        // 7
                 Fn(13, 1, "Other page", 0)};     // 8
  s.functions[3].Unit = " KB";
  s.functions[4].Unit = " ms";
  s.groups[12] = {{1, "First group"}, {3, "Third group"}};
  s.groups[13] = {{1, "Logon"}};
  s.states[1] = 1;
  s.values[3] = "abc";
  s.values[4] = "500";  // the engine already clamps a number above Maximum
  return s;
}

TEST(FillFunctionTree, GroupsFunctionsKindsAndSelection) {
  FakeSource src = SampleCatalogue();
  FakeTree tree;
  FillFunctionTree(tree, 12, src);
  std::vector<std::string> texts;
  for (const FakeLine& l : tree.lines) texts.push_back(l.Text);
  EXPECT_EQ(texts, (std::vector<std::string>{"First group", "Alpha ", "Name ", "W2K only ", "Third group", "Count "}));
  const FakeLine& g = tree.lines[0];
  EXPECT_EQ(g.FontBold, 2);
  EXPECT_TRUE(g.Expanded);
  EXPECT_FALSE(g.ShowChecks);
  EXPECT_EQ(g.Picture, 1);
  EXPECT_EQ(g.OpenPicture, 2);
  EXPECT_EQ(g.Cargo, "");
  EXPECT_EQ(tree.lines[1].Check, 1);
  EXPECT_EQ(tree.lines[1].Cargo, "1");
  EXPECT_EQ(tree.lines[1].Level, 2);
  EXPECT_EQ(tree.lines[2].SubText, "abc KB");
  EXPECT_EQ(tree.lines[2].Picture, 3);
  EXPECT_FALSE(tree.lines[2].ShowChecks);
  EXPECT_EQ(tree.lines[5].SubText, "#500 ms");
  EXPECT_EQ(tree.lines[5].Picture, 4);
  EXPECT_EQ(tree.lines[5].Cargo, "4");
  EXPECT_EQ(tree.selected, 1);
}

TEST(FillFunctionTree, OsFilterAndEmptyPages) {
  FakeSource src = SampleCatalogue();
  src.osFilter = 1;  // Windows NT 4
  FakeTree nt4;
  FillFunctionTree(nt4, 12, src);
  bool sawNt4 = false, sawW2k = false;
  for (const FakeLine& l : nt4.lines) {
    sawNt4 |= l.Text == "NT4 only ";
    sawW2k |= l.Text == "W2K only ";
  }
  EXPECT_TRUE(sawNt4);
  EXPECT_FALSE(sawW2k);
  FakeTree empty;
  FillFunctionTree(empty, 20, src);  // no captions: empty tree, nothing selected
  EXPECT_EQ(empty.ListCount(), 0);
  EXPECT_EQ(empty.selected, -1);
  src.groups[21] = {{1, "Lonely"}};
  FakeTree single;
  FillFunctionTree(single, 21, src);
  EXPECT_EQ(single.ListCount(), 1);
  EXPECT_EQ(single.selected, -1);
}

TEST(TreeStyle, ThreeStylesAndUnknownLeavesAlone) {
  FakeTree t;
  ApplyTreeStyleTo(t, 2);
  EXPECT_TRUE(t.treeLines && t.plusMinus);
  ApplyTreeStyleTo(t, 1);
  EXPECT_TRUE(t.treeLines && !t.plusMinus);
  ApplyTreeStyleTo(t, 7);
  EXPECT_TRUE(t.treeLines && !t.plusMinus);
  ApplyTreeStyleTo(t, 0);
  EXPECT_FALSE(t.treeLines || t.plusMinus);
  EXPECT_EQ(CargoFunction("12"), 12);
  EXPECT_EQ(CargoFunction(""), -1);
  EXPECT_EQ(CargoFunction("1x"), -1);
}

struct SecurityPage : ::testing::Test {
  FakeSource src = SampleCatalogue();
  FakeHost host;
  FakeTree t0, t1, t2;
  PageModel page{*PageLayoutForTool(530), src, host};
  void SetUp() override {
    page.AttachTree(0, &t0);
    page.AttachTree(1, &t1);
    page.AttachTree(2, &t2);
    page.Load();
  }
};

TEST_F(SecurityPage, PageStateAndInfoRule) {
  EXPECT_EQ(page.PageState(kQueryTab), 0);
  EXPECT_EQ(page.PageState(kQueryTreeIndex), 1);
  EXPECT_EQ(page.PageState(kQuerySelected), 1);
  EXPECT_EQ(page.PageState(kQueryFunction), 1);
  EXPECT_EQ(page.PageState(kQueryPage), 12);
  EXPECT_TRUE(page.InfoEnabled());
  EXPECT_EQ(page.HelpText(0), "help of Alpha");
  t0.SetSelected(0);  // a group line carries no function
  page.SelectionChanged();
  EXPECT_EQ(page.PageState(kQueryFunction), -1);
  EXPECT_FALSE(page.InfoEnabled());
  EXPECT_EQ(page.HelpText(0), "help of Alpha");  // kept from the last function
  page.SetTab(1);
  EXPECT_EQ(page.PageState(kQueryTreeIndex), 2);
  EXPECT_EQ(page.PageState(kQueryPage), 13);
  EXPECT_EQ(page.PageState(kQueryFunction), 8);
  page.SetTab(9);  // out of range: ignored
  EXPECT_EQ(page.Tab(), 1);
  EXPECT_EQ(host.log, (std::vector<std::string>{"sound 1"}));
}

// A tab's tree may be made only when the tab is first shown: it is filled and styled at once, the
// tree index stays the tab's position among the tree tabs, and the info button follows it.
TEST(PageModelLateTrees, TreeMadeAfterLoadIsFilledAndCounted) {
  FakeSource src = SampleCatalogue();
  FakeHost host;
  host.style = 2;
  PageModel page{*PageLayoutForTool(530), src, host};
  FakeTree t0, t1;
  page.Load();
  EXPECT_FALSE(page.InfoEnabled());  // no tree yet
  page.SetTab(1);
  EXPECT_EQ(page.PageState(kQueryTreeIndex), 2);
  EXPECT_EQ(page.PageState(kQueryFunction), -1);
  page.AddTree(1, &t1);
  EXPECT_GT(t1.ListCount(), 1);
  EXPECT_TRUE(t1.treeLines && t1.plusMinus);
  EXPECT_EQ(page.PageState(kQueryFunction), 8);
  EXPECT_TRUE(page.InfoEnabled());
  page.AddTree(0, &t0);  // another tab's tree: filled, the current tab's state unchanged
  EXPECT_GT(t0.ListCount(), 1);
  EXPECT_EQ(page.PageState(kQueryTreeIndex), 2);
  EXPECT_EQ(page.PageState(kQueryFunction), 8);
  page.SetTab(0);
  EXPECT_EQ(page.PageState(kQueryTreeIndex), 1);
  EXPECT_EQ(page.PageState(kQueryFunction), 1);
}

TEST_F(SecurityPage, CheckClickDoubleClickAndDialog) {
  t0.lines[1].Check = 0;  // the tree toggles the box before it reports the click
  page.CheckClick(1, 1, 0);
  page.NodeOver(1);
  page.MouseDown(kLeftButton);
  page.DoubleClick();  // on/off line: toggles the box (was 1) and applies
  EXPECT_EQ(t0.lines[1].Check, 1);
  page.NodeOver(2);
  page.MouseDown(kRightButton);  // selects the line under the mouse
  EXPECT_EQ(t0.selected, 2);
  page.DoubleClick();  // right button was last: nothing
  page.MouseDown(kLeftButton);
  page.DoubleClick();  // text line: the dialog; "$ERROR$" keeps the sub-text
  EXPECT_EQ(t0.lines[2].SubText, "abc KB");
  src.dialogResult = "xyz KB";
  page.DoubleClick();
  EXPECT_EQ(t0.lines[2].SubText, "xyz KB");
  page.NodeOver(0);
  t0.SetSelected(0);
  page.DoubleClick();  // group line: nothing
  EXPECT_EQ(src.applied, (std::vector<std::string>{"1=off", "1=on", "edit 3", "edit 3"}));
  EXPECT_EQ(t0.redraws, 2);
}

TEST_F(SecurityPage, ContextMenuAndPopupCommands) {
  page.NodeOver(3);
  page.MouseDown(kRightButton);
  EXPECT_TRUE(page.MouseUp(kRightButton));
  page.NodeOver(-1);
  EXPECT_FALSE(page.MouseUp(kRightButton));
  page.NodeOver(0);  // the group line: info button off, no menu
  page.MouseDown(kRightButton);
  EXPECT_FALSE(page.MouseUp(kRightButton));
  page.NodeOver(1);
  page.MouseDown(kRightButton);
  page.PopupMenuClick(1000);
  page.PopupMenuClick(1010);
  page.PopupMenuClick(1050);
  EXPECT_EQ(host.style, 2);
  EXPECT_TRUE(t0.plusMinus && t1.plusMinus && t2.plusMinus);
  page.PopupMenuClick(1040);
  EXPECT_TRUE(t2.treeLines && !t2.plusMinus);
  EXPECT_EQ(host.log, (std::vector<std::string>{"help: help of Alpha", "restore 12/1"}));
  TreeMenuState ctx = ContextMenuState(true);
  EXPECT_TRUE(ctx.FktInf && ctx.Undo && !ctx.Normal && !ctx.Baum && !ctx.PlusMinus);
  EXPECT_FALSE(ContextMenuState(false).Undo);
  TreeMenuState style = StyleMenuState(1);
  EXPECT_TRUE(!style.FktInf && !style.Undo && style.Normal && style.Baum && style.PlusMinus);
  EXPECT_EQ(style.CheckedId, 1040);
  EXPECT_EQ(StyleMenuState(5).CheckedId, 0);
}

TEST(PageLayouts, FixedRuleTabsAndPagesWithoutTrees) {
  FakeSource src = SampleCatalogue();
  FakeHost host;
  PageModel windows(*PageLayoutForTool(500), src, host);
  windows.Load();  // no trees attached: tree tabs keep the info button off
  EXPECT_FALSE(windows.InfoEnabled());
  windows.SetTab(3);
  EXPECT_TRUE(windows.InfoEnabled());
  EXPECT_EQ(windows.HelpText(3), "text 119");
  windows.SetTab(4);
  EXPECT_EQ(windows.HelpText(4), "slot 6");
  EXPECT_EQ(windows.PageState(kQueryFunction), -1);
  EXPECT_EQ(windows.PageState(kQueryTreeIndex), -1);
  // Both icon tabs explain the icons with the first desktop icon function's help.
  PageModel icons(*PageLayoutForTool(600), src, host);
  icons.Load();
  for (int tab : {0, 1}) {
    icons.SetTab(tab);
    EXPECT_TRUE(icons.InfoEnabled()) << tab;
    EXPECT_EQ(icons.HelpText(tab), "slot 23") << tab;
  }
  EXPECT_EQ(PageLayoutForTool(1), nullptr);
  EXPECT_EQ(PageLayoutForTool(99), nullptr);
  EXPECT_EQ(AllPageLayouts().size(), 7u);
  int treeTabs = 0;
  for (const PageLayout& p : AllPageLayouts())
    for (const TabLayout& t : p.Tabs) treeTabs += t.TreePage > 0;
  EXPECT_EQ(treeTabs, 11);  // pages 1, 2, 16, 5, 9, 12, 13, 14, 15, 17, 18
}

}  // namespace
}  // namespace kv

#include "app/pages/core/tab_strip_model.h"

namespace kv {
namespace {

TEST(TabStripModel, CurrentTabAndHitTest) {
  TabStripModel m;
  m.Captions() = {"General", "Display", "Mouse"};
  auto measure = [](const std::string& s) { return static_cast<int>(s.size()) * 7; };
  EXPECT_FALSE(m.SetTab(0));  // already current
  EXPECT_TRUE(m.SetTab(2));
  EXPECT_FALSE(m.SetTab(3));
  EXPECT_FALSE(m.SetTab(-1));
  EXPECT_EQ(m.Tab(), 2);
  std::vector<TabRect> r = m.Layout(24, measure);
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(m.HitTest(r[1].Left + 1, 10, 24, measure), 1);
  EXPECT_EQ(m.HitTest(r[2].Right + 5, 10, 24, measure), -1);
  EXPECT_EQ(m.HitTest(r[0].Left + 1, 30, 24, measure), -1);
}

}  // namespace
}  // namespace kv
