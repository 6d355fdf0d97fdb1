// Structure queries, expanding and collapsing, visibility and the FindData/FindNext search.
#include <gtest/gtest.h>

#include <climits>

#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

using testing::Fill;
using testing::RecordingObserver;

// 0 A / 1 A1 / 2 A1a / 3 A2 / 4 B / 5 B1 / 6 C
class Queries : public ::testing::Test {
 protected:
  void SetUp() override {
    Fill(model, {{L"A", 1}, {L"A1", 2}, {L"A1a", 3}, {L"A2", 2}, {L"B", 1}, {L"B1", 2}, {L"C", 1}});
    seen.Take();
  }
  void TearDown() override { EXPECT_EQ(model.CheckInvariants(), ""); }
  RecordingObserver seen;
  TreeModel model{&seen};
};

TEST_F(Queries, ParentsChildrenAndBranches) {
  EXPECT_EQ(model.NodeParent(0), -1);
  EXPECT_EQ(model.NodeParent(2), 1);
  EXPECT_EQ(model.NodeParent(3), 0);
  EXPECT_EQ(model.Children(0), 2);
  EXPECT_EQ(model.AllChildren(0), 3);
  EXPECT_EQ(model.Children(6), 0);
  EXPECT_EQ(model.LastBranch(0), 3);
  EXPECT_EQ(model.LastBranch(6), 6);
  EXPECT_EQ(model.RootNode(2), 0);
  EXPECT_EQ(model.RootNode(5), 4);
  EXPECT_EQ(model.Path(2, L"\\"), L"A\\A1\\A1a");
  EXPECT_EQ(seen.Take(), "");
}

TEST_F(Queries, Siblings) {
  EXPECT_EQ(model.FirstSibling(4), 0);
  EXPECT_EQ(model.FirstSibling(3), 1);
  EXPECT_EQ(model.PreviousSibling(3), 1);
  EXPECT_EQ(model.PreviousSibling(1), -1);
  EXPECT_EQ(model.PreviousSibling(6), 4);
  EXPECT_EQ(model.NextSibling(0), 4);
  EXPECT_EQ(model.NextSibling(1), 3);
  EXPECT_EQ(model.NextSibling(3), -1);
  EXPECT_EQ(model.NextSibling(6), -1);
  EXPECT_EQ(model.LastSibling(0), 6);
  EXPECT_EQ(model.LastSibling(2), 2);
}

TEST_F(Queries, CollapsedByDefaultAndExpandingShowsChildren) {
  EXPECT_EQ(model.ItemsOpen(), 3);
  EXPECT_FALSE(model.NodeVisible(1));
  EXPECT_EQ(model.NextItem(0), 4);
  model.SetNode(NodeField::Expanded, 0, 1);
  EXPECT_EQ(model.ItemsOpen(), 5);
  EXPECT_EQ(model.NextItem(0), 1);
  EXPECT_EQ(model.NextItem(1), 3);
  model.SetNode(NodeField::Expanded, 1, 1);
  EXPECT_EQ(model.ItemsOpen(), 6);
  EXPECT_EQ(model.PreviousItem(3), 2);
  model.SetNode(NodeField::Expanded, 0, 0);
  EXPECT_EQ(model.ItemsOpen(), 3) << "collapse hides grandchildren too";
  EXPECT_FALSE(model.NodeVisible(2));
  EXPECT_TRUE(model.GetNode(NodeField::Expanded, 1)) << "inner state is kept";
  model.SetNode(NodeField::Expanded, 0, 1);
  EXPECT_EQ(model.ItemsOpen(), 6);
  EXPECT_EQ(seen.Take(), "") << "the setter fires no event";
}

TEST_F(Queries, AppendUnderACollapsedParentStaysHidden) {
  model.AddNode(L"C1", kAppend, 2);
  EXPECT_EQ(model.ItemsOpen(), 3);
  EXPECT_FALSE(model.NodeVisible(7));
  model.SetNode(NodeField::Expanded, 6, 1);
  model.AddNode(L"C2", kAppend, 2);
  EXPECT_EQ(model.ItemsOpen(), 5);
  EXPECT_EQ(model.NextItem(7), 8);
  EXPECT_EQ(model.PreviousItem(1), 0) << "from a hidden node, the visible node before it";
}

TEST_F(Queries, FindNextIsExhaustedUntilFindDataStartsOver) {
  model.SetNode(NodeField::Data, 1, 42);
  model.SetNode(NodeField::Data, 5, 42);
  EXPECT_EQ(model.FindData(42), 1);
  EXPECT_EQ(model.FindNext(42), 5);
  EXPECT_EQ(model.FindNext(42), -1);
  EXPECT_EQ(model.FindNext(42), -1);
  model.SetNode(NodeField::Data, 6, 42);
  EXPECT_EQ(model.FindNext(42), -1) << "still exhausted";
  EXPECT_EQ(model.FindData(42), 1);
  EXPECT_EQ(model.FindData(7), -1);
}

TEST_F(Queries, SearchPositionFollowsRemovals) {
  model.SetNode(NodeField::Data, 4, 9);
  model.SetNode(NodeField::Data, 6, 9);
  EXPECT_EQ(model.FindData(9), 4);
  model.RemoveNode(0);  // four nodes before the position
  EXPECT_EQ(model.FindNext(9), 2) << "C is found, not skipped";
}

TEST_F(Queries, OutOfRangeIndexesReportAndGiveDefaults) {
  for (Index bad : {Index(-1), Index(7), Index(INT_MIN), Index(INT_MAX)}) {
    EXPECT_EQ(model.NodeParent(bad), -1);
    EXPECT_EQ(model.NodeLevel(bad), 0);
    EXPECT_EQ(model.Children(bad), 0);
    EXPECT_EQ(model.AllChildren(bad), 0);
    EXPECT_EQ(model.FirstSibling(bad), -1);
    EXPECT_EQ(model.PreviousSibling(bad), -1);
    EXPECT_EQ(model.NextSibling(bad), -1);
    EXPECT_EQ(model.LastSibling(bad), -1);
    EXPECT_EQ(model.LastBranch(bad), -1);
    EXPECT_EQ(model.RootNode(bad), -1);
    EXPECT_EQ(model.NextItem(bad), -1);
    EXPECT_EQ(model.PreviousItem(bad), -1);
    EXPECT_FALSE(model.NodeVisible(bad));
    EXPECT_EQ(model.Path(bad, L"\\"), L"");
    EXPECT_EQ(model.GetNodeText(NodeTextField::Text, bad), L"");
    EXPECT_EQ(model.GetNode(NodeField::Data, bad), 0);
    model.SetNode(NodeField::Expanded, bad, 1);
    model.SetNodeText(NodeTextField::Cargo, bad, L"x");
    EXPECT_EQ(model.NodeColumnCheck(bad, 1), 0);
    EXPECT_EQ(seen.events.size(), 19u) << "one 32004 per call for index " << bad;
    for (const std::string& e : seen.events) EXPECT_EQ(e, "error 32004 " + std::to_string(bad));
    seen.Take();
  }
  EXPECT_EQ(model.ListCount(), 7);
}

}  // namespace
}  // namespace kv::tree
