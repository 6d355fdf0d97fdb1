// Node attributes and their rules, selection, check boxes, radio groups and columns.
#include <gtest/gtest.h>

#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

using testing::Fill;
using testing::RecordingObserver;

class Attributes : public ::testing::Test {
 protected:
  void SetUp() override {
    Fill(model, {{L"a", 1}, {L"b", 1}, {L"c", 1}});
    seen.Take();
  }
  void TearDown() override { EXPECT_EQ(model.CheckInvariants(), ""); }
  RecordingObserver seen;
  TreeModel model{&seen};
};

TEST_F(Attributes, NewNodeDefaults) {
  EXPECT_EQ(model.GetNodeText(NodeTextField::SubText, 0), L"");
  EXPECT_EQ(model.GetNodeText(NodeTextField::Cargo, 0), L"");
  EXPECT_EQ(model.GetNode(NodeField::ShowChecks, 0), 1);
  EXPECT_EQ(model.GetNode(NodeField::Expanded, 0), 0);
  EXPECT_EQ(model.GetNode(NodeField::BackColour, 0), 0xFFFFFF);
  EXPECT_EQ(uint32_t(model.GetNode(NodeField::ForeColour, 0)), 0x80000012u);
  EXPECT_EQ(model.GetNode(NodeField::FontBold, 0), 0);
  EXPECT_EQ(model.NodeColumnCheck(0, 1), 0);
  model.SetDefaultColours(0x123456, 0);
  EXPECT_EQ(model.GetNode(NodeField::BackColour, 0), 0x123456) << "follows the control colour";
  model.SetNode(NodeField::BackColour, 0, 0xFF);
  model.SetDefaultColours(0x654321, 0);
  EXPECT_EQ(model.GetNode(NodeField::BackColour, 0), 0xFF) << "a node colour of its own stays";
}

TEST_F(Attributes, CargoIsReturnedUpTo511Characters) {
  std::wstring long_cargo(600, L'x');
  long_cargo[510] = L'!';
  model.SetNodeText(NodeTextField::Cargo, 1, long_cargo);
  std::wstring back = model.GetNodeText(NodeTextField::Cargo, 1);
  EXPECT_EQ(back.size(), 511u);
  EXPECT_EQ(back.back(), L'!');
  model.SetNodeText(NodeTextField::Cargo, 1, L"123");
  EXPECT_EQ(model.GetNodeText(NodeTextField::Cargo, 1), L"123");
}

TEST_F(Attributes, CheckValuesOutsideZeroToTwoStoreZero) {
  model.SetNodeColumnCheck(0, 1, 2);
  EXPECT_EQ(model.NodeColumnCheck(0, 1), 2);
  model.SetNodeColumnCheck(0, 1, 5);
  EXPECT_EQ(model.NodeColumnCheck(0, 1), 0);
  model.SetNodeColumnCheck(0, 1, 1);
  model.SetNodeColumnCheck(0, 1, -1);
  EXPECT_EQ(model.NodeColumnCheck(0, 1), 0);
  EXPECT_EQ(seen.Take(), "");
}

TEST_F(Attributes, CheckColumnsAreCheckedForRangeAndKind) {
  model.SetNodeColumnCheck(0, 2, 1);
  EXPECT_EQ(seen.Take(), "error 32003 2") << "no columns: only column 1";
  model.AddColumn(L"Name", 120);
  model.AddColumn(L"On", 40);
  model.SetNodeColumnCheck(0, 2, 1);
  EXPECT_EQ(seen.Take(), "error 32005 2");
  EXPECT_EQ(model.NodeColumnCheck(0, 2), 0);
  model.SetColumn(ColumnField::CheckBox, 2, 1);
  model.SetNodeColumnCheck(0, 2, 1);
  EXPECT_EQ(model.NodeColumnCheck(0, 2), 1);
  model.SetNodeColumnCheck(0, 0, 1);
  model.SetNodeColumnCheck(0, 3, 1);
  EXPECT_EQ(seen.Take(), "error 32003 0; error 32003 3");
}

TEST_F(Attributes, UserClickFlipsTheCheck) {
  EXPECT_EQ(model.FlipCheck(1, 1), 1);
  EXPECT_EQ(model.NodeColumnCheck(1, 1), 1);
  EXPECT_EQ(model.FlipCheck(1, 1), 0);
  model.SetNodeColumnCheck(1, 1, 2);
  EXPECT_EQ(model.FlipCheck(1, 1), 0) << "the third state goes off";
  model.SetNode(NodeField::ShowChecks, 1, 0);
  EXPECT_EQ(model.FlipCheck(1, 1), -1) << "no check box shown";
  EXPECT_EQ(model.FlipCheck(7, 1), -1);
  EXPECT_EQ(seen.Take(), "") << "user actions never report errors";
}

TEST_F(Attributes, SelectedAcceptsMinusOneToLastAndFiresChange) {
  EXPECT_TRUE(model.SetSelected(2));
  EXPECT_EQ(seen.Take(), "change 2");
  EXPECT_FALSE(model.SetSelected(3)) << "ListCount is out of range";
  EXPECT_EQ(model.Selected(), 2);
  EXPECT_EQ(seen.Take(), "error 32004 3");
  EXPECT_FALSE(model.SetSelected(-2));
  EXPECT_EQ(seen.Take(), "error 32004 -2");
  EXPECT_TRUE(model.SetSelected(-1));
  EXPECT_EQ(model.Selected(), -1);
  EXPECT_EQ(seen.Take(), "change -1");
  int ends = seen.editEnds;
  model.SetRunTime(false);
  EXPECT_TRUE(model.SetSelected(0));
  EXPECT_EQ(seen.Take(), "") << "no Change in a design environment";
  EXPECT_EQ(seen.editEnds, ends + 1);
}

TEST_F(Attributes, ParentFlagCannotBeClearedWhileChildrenExist) {
  model.AddNode(L"c1", kAppend, 2);
  model.SetNode(NodeField::IsParent, 2, 0);
  EXPECT_EQ(model.GetNode(NodeField::IsParent, 2), 1);
  model.SetNode(NodeField::IsParent, 0, 1);
  EXPECT_EQ(model.GetNode(NodeField::IsParent, 0), 1) << "a childless node may show as a parent";
}

TEST_F(Attributes, RadioGroups) {
  model.AddNode(L"r1", kAppend, 2);  // children of c (2)
  model.AddNode(L"r2", kAppend, 2);
  model.AddNode(L"r3", kAppend, 2);
  seen.Take();
  model.SetNode(NodeField::RadioSet, 4, 1);
  EXPECT_EQ(seen.Take(), "error 32010 4") << "no radio style on the parent";
  model.SetNode(NodeField::RadioStyle, 2, 1);
  EXPECT_EQ(model.PickRadio(4), 2);
  EXPECT_EQ(model.GetNode(NodeField::RadioValue, 2), 2);
  EXPECT_EQ(model.GetNode(NodeField::RadioSet, 4), 1);
  EXPECT_EQ(model.GetNode(NodeField::RadioSet, 3), 0);
  model.SetNode(NodeField::RadioSet, 5, 1);
  EXPECT_EQ(model.GetNode(NodeField::RadioValue, 2), 3);
  model.SetNode(NodeField::RadioSet, 4, 0);
  EXPECT_EQ(model.GetNode(NodeField::RadioValue, 2), 3) << "clearing an unchosen child changes nothing";
  model.SetNode(NodeField::RadioValue, 2, 4);
  EXPECT_EQ(seen.Take(), "error 32010 2");
  EXPECT_EQ(model.GetNode(NodeField::RadioValue, 2), 3);
  EXPECT_EQ(model.PickRadio(0), -1) << "a root is no radio child";
}

TEST_F(Attributes, ColumnsAndTheirNodeValuesMoveTogether) {
  EXPECT_EQ(model.AddColumn(L"Name", 100), 1);
  EXPECT_EQ(model.AddColumn(L"Size", 50), 2);
  model.SetNodeColumnText(0, 2, L"12 KB");
  EXPECT_EQ(model.InsertColumn(L"Type", 60, 2), 2);
  EXPECT_EQ(model.NodeColumnText(0, 3), L"12 KB");
  EXPECT_EQ(model.ColumnText(2), L"Type");
  EXPECT_EQ(model.InsertColumn(L"bad", 10, 9), 0);
  EXPECT_EQ(seen.Take(), "error 32002 9");
  EXPECT_TRUE(model.RemoveColumn(2));
  EXPECT_EQ(model.NodeColumnText(0, 2), L"12 KB");
  EXPECT_FALSE(model.RemoveColumn(5));
  EXPECT_EQ(model.GetColumn(ColumnField::Width, 0), 0);
  EXPECT_EQ(seen.Take(), "error 32003 5; error 32003 0");
  EXPECT_TRUE(model.ClearColumns());
  EXPECT_EQ(model.ColumnCount(), 0);
}

TEST_F(Attributes, SemicolonTextFillsColumnsWhenTheNodeUsesThem) {
  model.SetNodeText(NodeTextField::Text, 0, L"Disk C;NTFS;2 GB");
  EXPECT_EQ(model.DisplayColumnText(0, 2), L"") << "not using columns";
  model.SetNode(NodeField::UseColumns, 0, 1);
  EXPECT_EQ(model.DisplayColumnText(0, 1), L"Disk C");
  EXPECT_EQ(model.DisplayColumnText(0, 3), L"2 GB");
  EXPECT_EQ(model.DisplayColumnText(0, 4), L"");
  model.AddColumn(L"A", 10);
  model.AddColumn(L"B", 10);
  model.SetNodeColumnText(0, 2, L"FAT");
  EXPECT_EQ(model.DisplayColumnText(0, 2), L"FAT") << "a column text of its own wins";
}

TEST_F(Attributes, TwoColumnListsSplitEveryTextAtTheSeparator) {
  model.SetNodeText(NodeTextField::Text, 1, L";My Computer");
  model.AddColumn(L"Icon", 40);
  EXPECT_EQ(model.DisplayColumnText(1, 1), L";My Computer") << "one column: the whole text";
  model.AddColumn(L"Description", 200);
  EXPECT_EQ(model.DisplayColumnText(1, 1), L"");
  EXPECT_EQ(model.DisplayColumnText(1, 2), L"My Computer");
  model.SetNodeText(NodeTextField::Text, 2, L"a|b");
  model.SetColumnSeparator(L'|');
  EXPECT_EQ(model.DisplayColumnText(2, 2), L"b");
  model.SetColumnSeparator(0);
  EXPECT_EQ(model.DisplayColumnText(2, 1), L"a|b") << "back to \";\"";
}

TEST_F(Attributes, TipTextsByKind) {
  model.AddNode(L"child", kAppend, 2);  // under c (2)
  model.SetNodeText(NodeTextField::SubText, 3, L"(on)");
  EXPECT_EQ(model.TipText(3, 0), L"");
  EXPECT_EQ(model.TipText(3, 1), L"child (on)");
  EXPECT_EQ(model.TipText(3, 2), L"c");
  EXPECT_EQ(model.TipText(3, 3), L"c: child (on)");
  EXPECT_EQ(model.TipText(0, 3), L"a") << "a root has no parent part";
  EXPECT_EQ(model.TipText(9, 1), L"");
}

TEST_F(Attributes, SortColumnMustBeSortable) {
  model.AddColumn(L"A", 10);
  EXPECT_FALSE(model.SortNewColumn(1));
  model.SetColumn(ColumnField::Sortable, 1, 1);
  EXPECT_TRUE(model.SortNewColumn(1));
  EXPECT_EQ(model.SortColumn(), 1);
  EXPECT_FALSE(model.SortNewColumn(3));
  EXPECT_EQ(seen.Take(), "error 32006 1; error 32006 3");
}

TEST(ColumnBlock, RoundTripsAndRejectsDamage) {
  Columns columns;
  columns.Add(L"Name", 120);
  columns.Add(L"Wert", 80);
  columns.At(2).checkBox = true;
  columns.At(2).textAlign = kAlignRight;
  std::vector<uint8_t> block = columns.Serialise();
  Columns back;
  ASSERT_TRUE(back.Deserialise(block));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.At(2).caption, L"Wert");
  EXPECT_TRUE(back.At(2).checkBox);
  EXPECT_EQ(back.At(2).textAlign, kAlignRight);
  for (size_t cut = 0; cut < block.size(); ++cut) {
    std::vector<uint8_t> damaged(block.begin(), block.begin() + long(cut));
    EXPECT_FALSE(back.Deserialise(damaged)) << "cut at " << cut;
  }
  EXPECT_EQ(back.Count(), 2) << "a damaged block leaves the columns as they were";
}

}  // namespace
}  // namespace kv::tree
