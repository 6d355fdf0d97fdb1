// Adding and removing nodes: positions, reference node, level correction, selection and renumbering.
#include <gtest/gtest.h>

#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

using testing::Fill;
using testing::RecordingObserver;

class Adding : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(model.CheckInvariants(), ""); }
  std::wstring Texts() {
    std::wstring all;
    for (Index i = 0; i < model.ListCount(); ++i) {
      all += (i ? L"," : L"") + model.Nodes().At(i).text + std::to_wstring(model.Nodes().At(i).level);
    }
    return all;
  }
  RecordingObserver seen;
  TreeModel model{&seen};
};

TEST_F(Adding, LevelTwoDeeperThanPreviousIsCorrectedToPreviousLevel) {
  EXPECT_EQ(model.AddNode(L"a", kAppend, 1), 0);
  EXPECT_EQ(model.AddNode(L"b", kAppend, 3), 1);
  EXPECT_EQ(model.NodeLevel(1), 1);
  EXPECT_EQ(seen.Take(), "error 32007 1");
  EXPECT_EQ(model.AddNode(L"c", kAppend, 2), 2) << "one level deeper is fine";
  EXPECT_EQ(model.AddNode(L"d", kAppend, 4), 3);
  EXPECT_EQ(model.NodeLevel(3), 2);
  EXPECT_EQ(seen.Take(), "error 32007 3");
}

TEST_F(Adding, FirstNodeAboveLevelOneBecomesRoot) {
  EXPECT_EQ(model.AddNode(L"a", kAppend, 2), 0);
  EXPECT_EQ(model.NodeLevel(0), 1);
  EXPECT_EQ(seen.Take(), "error 32007 0");
  // Inserting before the first node is the first node of the list as well.
  model.SetSelected(0);
  seen.Take();
  EXPECT_EQ(model.AddNode(L"z", kBefore, 2), 0);
  EXPECT_EQ(model.NodeLevel(0), 1);
  EXPECT_EQ(seen.Take(), "error 32007 0; change 0");
}

TEST_F(Adding, LevelZeroAndNegativeAddRootNodes) {
  Fill(model, {{L"a", 1}, {L"b", 2}});
  EXPECT_EQ(model.AddNode(L"c", kAppend, 0), 2);
  EXPECT_EQ(model.NodeLevel(2), 1);
  EXPECT_EQ(model.NodeParent(2), -1);
  EXPECT_EQ(model.AddNode(L"d", kAppend, -7), 3);
  EXPECT_EQ(model.NodeLevel(3), 1);
  EXPECT_EQ(seen.Take(), "");
}

TEST_F(Adding, BeforeAndAfterTheSelectedNodeSelectTheNewNode) {
  Fill(model, {{L"a", 1}, {L"b", 1}, {L"c", 1}});
  model.SetSelected(1);
  seen.Take();
  EXPECT_EQ(model.AddNode(L"x", kBefore, 1), 1);
  EXPECT_EQ(Texts(), L"a1,x1,b1,c1");
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(seen.Take(), "change 1");
  EXPECT_EQ(model.AddNode(L"y", kAfter, 1), 2);
  EXPECT_EQ(Texts(), L"a1,x1,y1,b1,c1");
  EXPECT_EQ(model.Selected(), 2);
  EXPECT_EQ(seen.Take(), "change 2");
}

TEST_F(Adding, AppendLeavesSelectionAndBadPositionAppends) {
  Fill(model, {{L"a", 1}, {L"b", 1}});
  model.SetSelected(0);
  seen.Take();
  EXPECT_EQ(model.AddNode(L"c", kAppend, 1), 2);
  EXPECT_EQ(model.AddNode(L"d", 7, 1), 3);
  EXPECT_EQ(model.AddNode(L"e", -1, 1), 4);
  EXPECT_EQ(model.Selected(), 0);
  EXPECT_EQ(seen.Take(), "");
}

TEST_F(Adding, MissingReferenceAppendsAndSelects) {
  Fill(model, {{L"a", 1}});
  EXPECT_EQ(model.Selected(), -1);
  EXPECT_EQ(model.AddNode(L"b", kBefore, 1), 1);
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(seen.Take(), "change 1");
  model.ClearNodes();
  EXPECT_EQ(model.AddNode(L"c", kAfter, 1), 0) << "empty list";
  EXPECT_EQ(model.Selected(), 0);
  EXPECT_EQ(seen.Take(), "change 0");
}

TEST_F(Adding, InsertNodeUsesItsReferenceAndKeepsTheSelectedNode) {
  Fill(model, {{L"a", 1}, {L"b", 1}, {L"c", 1}});
  model.SetSelected(1);
  seen.Take();
  EXPECT_EQ(model.InsertNode(L"x", 1, 2), 2) << "after the selection: selection unchanged";
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(model.InsertNode(L"y", 1, 1), 1) << "at the selection: the same node stays selected";
  EXPECT_EQ(model.Selected(), 2);
  EXPECT_EQ(model.Nodes().At(2).text, L"b");
  EXPECT_EQ(model.InsertNode(L"z", 1, 0), 0);
  EXPECT_EQ(model.Selected(), 3);
  EXPECT_EQ(model.InsertNode(L"end", 1, 99), 6) << "invalid reference appends";
  EXPECT_EQ(model.Selected(), 3);
  EXPECT_EQ(seen.Take(), "") << "InsertNode fires no Change";
}

TEST_F(Adding, InsertingBeforeAChildMovesItUnderTheNewNode) {
  Fill(model, {{L"a", 1}, {L"a1", 2}, {L"a2", 2}});
  EXPECT_TRUE(model.GetNode(NodeField::IsParent, 0));
  model.InsertNode(L"n", 1, 1);
  EXPECT_EQ(model.NodeParent(2), 1);
  EXPECT_EQ(model.NodeParent(3), 1);
  EXPECT_FALSE(model.GetNode(NodeField::IsParent, 0)) << "a lost all its children";
  EXPECT_TRUE(model.GetNode(NodeField::IsParent, 1));
}

TEST_F(Adding, PicturesAreStoredOnlyWhenPositive) {
  NodeLook look;
  look.picture = 3;
  look.picExpand = -2;
  look.picSelect = 0;
  Index i = model.AddNode(L"p", kAppend, 1, look);
  EXPECT_EQ(model.GetNode(NodeField::Picture, i), 3);
  EXPECT_EQ(model.GetNode(NodeField::PicExpand, i), 0);
  EXPECT_EQ(model.GetNode(NodeField::PicSelect, i), 0);
}

TEST_F(Adding, RemovingTheSelectedLastNodeSelectsTheNewLast) {
  Fill(model, {{L"a", 1}, {L"b", 1}, {L"c", 1}});
  model.SetSelected(2);
  EXPECT_EQ(model.RemoveNode(2), 1);
  EXPECT_EQ(model.Selected(), 1);
  EXPECT_EQ(model.RemoveNode(0), 1);
  EXPECT_EQ(model.Selected(), 0);
  EXPECT_EQ(model.RemoveNode(0), 1);
  EXPECT_EQ(model.Selected(), -1);
}

TEST_F(Adding, RemoveTakesTheBranchAndRenumbers) {
  Fill(model, {{L"a", 1}, {L"a1", 2}, {L"a1x", 3}, {L"a2", 2}, {L"b", 1}, {L"b1", 2}});
  model.SetSelected(4);
  seen.Take();
  EXPECT_EQ(model.RemoveNode(1), 2);
  EXPECT_EQ(Texts(), L"a1,a22,b1,b12");
  EXPECT_EQ(model.Selected(), 2) << "the selection follows its node";
  EXPECT_EQ(model.NodeParent(3), 2);
  EXPECT_EQ(model.RemoveNode(1), 1);
  EXPECT_FALSE(model.GetNode(NodeField::IsParent, 0)) << "last child removed";
  EXPECT_EQ(model.RemoveChildren(1), 1);
  EXPECT_FALSE(model.GetNode(NodeField::IsParent, 1));
  EXPECT_EQ(model.RemoveChildren(1), 0);
  EXPECT_EQ(Texts(), L"a1,b1");
  EXPECT_GE(seen.editEnds, 2) << "removing ends an in-place edit";
  EXPECT_EQ(seen.Take(), "");
}

TEST_F(Adding, RemoveWithBadIndexIsRefused) {
  Fill(model, {{L"a", 1}});
  EXPECT_EQ(model.RemoveNode(1), 0);
  EXPECT_EQ(model.RemoveNode(-1), 0);
  EXPECT_EQ(model.RemoveChildren(5), 0);
  EXPECT_EQ(seen.Take(), "error 32004 1; error 32004 -1; error 32004 5");
  EXPECT_EQ(model.ListCount(), 1);
}

TEST_F(Adding, ClearResetsSelectionVisibleCountAndSearch) {
  Fill(model, {{L"a", 1}, {L"b", 1}});
  model.SetSelected(1);
  model.ClearNodes();
  EXPECT_EQ(model.ListCount(), 0);
  EXPECT_EQ(model.Selected(), -1);
  EXPECT_EQ(model.ItemsOpen(), 0);
  EXPECT_EQ(model.AddNode(L"c", kAppend, 1), 0);
  EXPECT_EQ(model.ItemsOpen(), 1);
}

}  // namespace
}  // namespace kv::tree
