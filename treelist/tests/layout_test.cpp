// Geometry and hit-testing of the tree-list window, computed without a window.
#include <gtest/gtest.h>

#include "treelist/model/tree_layout.h"
#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

class Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::Fill(model, {{L"Group", 1}, {L"Item 1", 2}, {L"Item 2", 2}, {L"Other", 1}});
    model.SetNode(NodeField::Expanded, 0, 1);
    metrics.width = 300;
    metrics.height = 20 + 4 * 18 + 5;  // title + four whole lines + a part line
    metrics.titleHeight = 20;
    layout.SetMetrics(metrics);
  }
  static int CentreX(const Rect& r) { return (r.left + r.right) / 2; }
  static int CentreY(const Rect& r) { return (r.top + r.bottom) / 2; }
  TreeModel model;
  LayoutMetrics metrics;
  TreeLayout layout{model};
};

TEST_F(Layout, LinesAreStackedBelowTheTitleAndIndentedByLevel) {
  EXPECT_EQ(layout.LinesPerList(), 4);
  LineGeometry top, child;
  ASSERT_TRUE(layout.RowGeometry(0, top));
  ASSERT_TRUE(layout.RowGeometry(1, child));
  EXPECT_EQ(top.line.top, 20);
  EXPECT_EQ(child.line.top, 38);
  EXPECT_EQ(child.check.left - top.check.left, metrics.indent);
  EXPECT_FALSE(top.plus.Empty()) << "a parent has a plus/minus box";
  EXPECT_TRUE(child.plus.Empty());
  EXPECT_LT(top.plus.right, top.check.left);
  EXPECT_LT(top.check.right, top.text.left);
  LineGeometry none;
  EXPECT_FALSE(layout.RowGeometry(4, none)) << "only four visible nodes";
}

TEST_F(Layout, HitTestFindsEachPartOfALine) {
  LineGeometry g;
  ASSERT_TRUE(layout.RowGeometry(2, g));
  HitResult hit = layout.HitTest(CentreX(g.check), CentreY(g.check));
  EXPECT_EQ(hit.part, HitPart::Check);
  EXPECT_EQ(hit.node, 2);
  EXPECT_EQ(hit.column, 1);
  EXPECT_EQ(layout.HitTest(g.text.left + 2, CentreY(g.text)).part, HitPart::Text);
  EXPECT_EQ(layout.HitTest(1, CentreY(g.line)).part, HitPart::Line);
  ASSERT_TRUE(layout.RowGeometry(0, g));
  EXPECT_EQ(layout.HitTest(CentreX(g.plus), CentreY(g.plus)).part, HitPart::Plus);
  EXPECT_EQ(layout.HitTest(5, 5).part, HitPart::Title);
  EXPECT_EQ(layout.HitTest(5, metrics.height - 1).node, -1) << "below the last node";
  EXPECT_EQ(layout.HitTest(-1, 30).part, HitPart::Nowhere);
}

TEST_F(Layout, CheckOffsetsMoveTheBoxAndItsHitAreaAndTheTextAlong) {
  LineGeometry before, after;
  ASSERT_TRUE(layout.RowGeometry(1, before));
  metrics.checkXOffset = 6;
  metrics.checkYOffset = -2;
  layout.SetMetrics(metrics);
  ASSERT_TRUE(layout.RowGeometry(1, after));
  EXPECT_EQ(after.check.left, before.check.left + 6);
  EXPECT_EQ(after.check.top, before.check.top - 2);
  EXPECT_EQ(after.text.left, before.text.left + 6);
  HitResult hit = layout.HitTest(after.check.right - 1, after.check.top);
  EXPECT_EQ(hit.part, HitPart::Check);
  EXPECT_EQ(hit.node, 1);
}

TEST_F(Layout, NodesWithoutChecksOrPicturesMoveTheTextLeft) {
  model.SetNode(NodeField::ShowChecks, 3, 0);
  model.SetNode(NodeField::Picture, 0, 2);
  LineGeometry other, group;
  ASSERT_TRUE(layout.RowGeometry(3, other));
  ASSERT_TRUE(layout.RowGeometry(0, group));
  EXPECT_TRUE(other.check.Empty());
  EXPECT_FALSE(group.picture.Empty());
  EXPECT_LT(other.text.left, group.text.left);
  metrics.pictureType = kPicsNone;
  layout.SetMetrics(metrics);
  ASSERT_TRUE(layout.RowGeometry(0, group));
  EXPECT_TRUE(group.plus.Empty()) << "no open/close mark";
  EXPECT_FALSE(group.picture.Empty()) << "the node's own picture stays";
  EXPECT_EQ(group.check.left, metrics.leftMargin) << "no cell kept for the mark";
  EXPECT_EQ(group.picture.left, group.check.right + metrics.gap);
}

TEST_F(Layout, ControlPicturesGiveEveryLineAPictureCell) {
  LineGeometry plain;
  ASSERT_TRUE(layout.RowGeometry(1, plain));
  EXPECT_TRUE(plain.picture.Empty());
  metrics.defaultPictures = true;
  metrics.pictureType = kPicsPlus;
  layout.SetMetrics(metrics);
  LineGeometry with;
  ASSERT_TRUE(layout.RowGeometry(1, with));
  EXPECT_TRUE(with.picture.Empty()) << "control pictures belong to PicsAll only";
  metrics.pictureType = kPicsAll;
  layout.SetMetrics(metrics);
  ASSERT_TRUE(layout.RowGeometry(1, with));
  EXPECT_FALSE(with.picture.Empty());
  EXPECT_EQ(with.text.left - plain.text.left, metrics.pictureWidth + metrics.gap);
}

TEST_F(Layout, ScrollingKeepsTheTopLineInRange) {
  for (int i = 0; i < 20; ++i) model.AddNode(L"more", kAppend, 1);
  EXPECT_EQ(model.ItemsOpen(), 24);
  EXPECT_TRUE(layout.EnsureVisible(23));
  EXPECT_EQ(layout.TopLine(), 20);
  EXPECT_EQ(layout.RowOf(23), 3);
  EXPECT_TRUE(layout.EnsureVisible(1));
  EXPECT_EQ(layout.TopLine(), 1);
  layout.SetTopLine(500);
  EXPECT_EQ(layout.TopLine(), layout.MaxTopLine());
  model.ClearNodes();
  EXPECT_EQ(layout.TopLine(), 0);
  EXPECT_EQ(layout.TopIndex(), -1);
  model.AddNode(L"x", kAppend, 1);
  model.AddNode(L"y", kAppend, 2);
  EXPECT_FALSE(layout.EnsureVisible(1)) << "hidden under a collapsed parent";
}

TEST_F(Layout, HeaderColumnsAndColumnCheckBoxes) {
  metrics.headerHeight = 16;
  layout.SetMetrics(metrics);
  model.AddColumn(L"Name", 200);
  model.AddColumn(L"On", 60);
  model.SetColumn(ColumnField::CheckBox, 2, 1);
  EXPECT_EQ(layout.HeaderDividerAt(201, 25), 1);
  EXPECT_EQ(layout.HeaderDividerAt(259, 25), 2);
  EXPECT_EQ(layout.HeaderDividerAt(230, 25), 0);
  EXPECT_EQ(layout.HeaderDividerAt(200, 50), 0) << "below the header";
  model.SetColumn(ColumnField::Lock, 1, 1);
  EXPECT_EQ(layout.HeaderDividerAt(200, 25), 0) << "a locked column keeps its width";
  HitResult header = layout.HitTest(230, 25);
  EXPECT_EQ(header.part, HitPart::Header);
  EXPECT_EQ(header.column, 2);
  Rect box = layout.ColumnCheckRect(1, 2);
  ASSERT_FALSE(box.Empty());
  EXPECT_GE(box.left, 200);
  HitResult hit = layout.HitTest(CentreX(box), CentreY(box));
  EXPECT_EQ(hit.part, HitPart::Check);
  EXPECT_EQ(hit.column, 2);
  EXPECT_EQ(hit.node, 1);
}

TEST_F(Layout, EmptyOrTinyWindowsAreSafe) {
  metrics.width = 0;
  metrics.height = 0;
  layout.SetMetrics(metrics);
  EXPECT_EQ(layout.LinesPerList(), 0);
  EXPECT_EQ(layout.HitTest(0, 0).part, HitPart::Nowhere);
  EXPECT_TRUE(layout.EnsureVisible(2));
  metrics.lineHeight = 0;
  layout.SetMetrics(metrics);
  EXPECT_EQ(layout.HitTest(3, 3).node, -1);
}

}  // namespace
}  // namespace kv::tree
