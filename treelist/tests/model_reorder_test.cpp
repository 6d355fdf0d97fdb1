// Moving branches and sorting siblings: branches stay whole, levels follow the new place,
// the selection stays on its node, refused moves report 32011.
#include <gtest/gtest.h>

#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

using testing::Fill;
using testing::RecordingObserver;

class Reorder : public ::testing::Test {
 protected:
  // 0 A / 1 A1 / 2 A1x / 3 A2 / 4 B / 5 B1 / 6 C
  void SetUp() override {
    Fill(model, {{L"A", 1}, {L"A1", 2}, {L"A1x", 3}, {L"A2", 2}, {L"B", 1}, {L"B1", 2}, {L"C", 1}});
    seen.Take();
  }
  void TearDown() override { EXPECT_EQ(model.CheckInvariants(), ""); }
  std::wstring Shape() {
    std::wstring all;
    for (Index i = 0; i < model.ListCount(); ++i)
      all += (i ? L"," : L"") + model.Nodes().At(i).text + std::to_wstring(model.Nodes().At(i).level);
    return all;
  }
  RecordingObserver seen;
  TreeModel model{&seen};
};

TEST_F(Reorder, MoveBeforeAfterAndInto) {
  model.SetSelected(2);
  EXPECT_TRUE(model.MoveNode(1, 6, 0));
  EXPECT_EQ(Shape(), L"A1,A22,B1,B12,A11,A1x2,C1") << "before C, one level up with its child";
  EXPECT_EQ(model.Nodes().At(model.Selected()).text, L"A1x");
  EXPECT_TRUE(model.MoveNode(4, 2, 2));
  EXPECT_EQ(Shape(), L"A1,A22,B1,B12,A12,A1x3,C1") << "as the last child of B";
  EXPECT_TRUE(model.MoveNode(6, 0, 1));
  EXPECT_EQ(Shape(), L"A1,A22,C1,B1,B12,A12,A1x3") << "after A's branch";
  EXPECT_FALSE(model.GetNode(NodeField::IsParent, 6));
  EXPECT_TRUE(model.GetNode(NodeField::IsParent, 5));
}

TEST_F(Reorder, MovesIntoItsOwnBranchOrWithBadArgumentsAreRefused) {
  EXPECT_FALSE(model.MoveNode(0, 2, 2));
  EXPECT_FALSE(model.MoveNode(0, 0, 0));
  EXPECT_FALSE(model.MoveNode(9, 0, 0));
  EXPECT_FALSE(model.MoveNode(1, 4, 3));
  EXPECT_EQ(seen.Take(), "error 32011 0; error 32011 0; error 32011 9; error 32011 1");
  EXPECT_EQ(Shape(), L"A1,A12,A1x3,A22,B1,B12,C1");
}

TEST_F(Reorder, SortRootsAndDeepKeepsBranchesWhole) {
  model.SetNodeText(NodeTextField::Text, 0, L"b-root");
  model.SetNodeText(NodeTextField::Text, 4, L"C-root");
  model.SetNodeText(NodeTextField::Text, 6, L"a-root");
  model.SetSelected(5);
  model.Sort(-1, false, true, false);
  EXPECT_EQ(Shape(), L"a-root1,b-root1,A12,A1x3,A22,C-root1,B12");
  EXPECT_EQ(model.Nodes().At(model.Selected()).text, L"B1");
  model.Sort(-1, true, false, false);
  EXPECT_EQ(Shape(), L"C-root1,B12,b-root1,A22,A12,A1x3,a-root1") << "descending, children too";
  model.Sort(-1, false, true, true);
  EXPECT_EQ(model.Nodes().At(0).text, L"C-root") << "case-sensitive: upper case first";
  seen.Take();
  model.Sort(42, false, true, false);
  EXPECT_EQ(seen.Take(), "error 32004 42");
}

TEST(ReorderDeep, SortingAVeryDeepChainNeedsNoDeepStack) {
  TreeModel model;
  const int depth = 8000;
  for (int level = 1; level <= depth; ++level) model.AddNode(L"n", kAppend, level);
  model.AddNode(L"a", kAppend, depth);
  model.Sort(-1, true, true, false);
  EXPECT_EQ(model.Nodes().At(depth - 1).text, L"a") << "the deepest pair was sorted";
  EXPECT_EQ(model.Nodes().At(depth).text, L"n");
  EXPECT_EQ(model.CheckInvariants(), "");
}

}  // namespace
}  // namespace kv::tree
