// Dragging nodes: when a press becomes a drag, leaving the control, and where a drop lands.
#include <gtest/gtest.h>

#include "treelist/model/node_drag.h"
#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

class Drag : public ::testing::Test {
 protected:
  struct POINT_ {
    int x, y;
  };
  void SetUp() override {
    testing::Fill(model, {{L"Group", 1}, {L"Item 1", 2}, {L"Item 2", 2}, {L"Other", 1}});
    model.SetNode(NodeField::Expanded, 0, 1);
    metrics.width = 300;
    metrics.height = 20 + 6 * 18;
    metrics.titleHeight = 20;
    layout.SetMetrics(metrics);
  }
  // A point on the text of screen row `row`.
  POINT_ On(int row) const {
    LineGeometry g;
    EXPECT_TRUE(layout.RowGeometry(row, g));
    return {g.text.left + 2, (g.line.top + g.line.bottom) / 2};
  }
  TreeModel model;
  LayoutMetrics metrics;
  TreeLayout layout{model};
  NodeDrag drag;
};

TEST_F(Drag, APressBecomesADragPastTheThresholdAndReportsLeavingOnce) {
  auto p = On(1);
  drag.Press(layout.HitTest(p.x, p.y), p.x, p.y);
  EXPECT_TRUE(drag.Pressed());
  EXPECT_EQ(drag.Source(), 1);
  EXPECT_EQ(drag.Move(p.x + 4, p.y - 4, true, 4, 4), NodeDrag::Step::None) << "within the threshold";
  EXPECT_FALSE(drag.Active());
  EXPECT_EQ(drag.Move(p.x, p.y + 5, true, 4, 4), NodeDrag::Step::Begin);
  EXPECT_TRUE(drag.Active());
  EXPECT_EQ(drag.Move(p.x, p.y + 30, true, 4, 4), NodeDrag::Step::None);
  EXPECT_EQ(drag.Move(400, p.y, false, 4, 4), NodeDrag::Step::Leave);
  EXPECT_EQ(drag.Move(410, p.y, false, 4, 4), NodeDrag::Step::None) << "once per leaving";
  EXPECT_EQ(drag.Move(p.x, p.y, true, 4, 4), NodeDrag::Step::None);
  EXPECT_EQ(drag.Move(-5, p.y, false, 4, 4), NodeDrag::Step::Leave) << "again after coming back";
  EXPECT_TRUE(drag.End());
  EXPECT_FALSE(drag.Pressed());
  EXPECT_EQ(drag.Move(p.x + 50, p.y, true, 4, 4), NodeDrag::Step::None) << "no drag without a press";
  EXPECT_FALSE(drag.End()) << "a release without a drag drops nothing";
}

TEST_F(Drag, OnlyTextPicturesAndTheLineStartADrag) {
  LineGeometry g;
  ASSERT_TRUE(layout.RowGeometry(0, g));
  drag.Press(layout.HitTest(g.plus.left + 1, g.plus.top + 1), g.plus.left + 1, g.plus.top + 1);
  EXPECT_FALSE(drag.Pressed()) << "the plus/minus box";
  drag.Press(layout.HitTest(g.check.left + 1, g.check.top + 1), g.check.left + 1, g.check.top + 1);
  EXPECT_FALSE(drag.Pressed()) << "a check box";
  drag.Press(layout.HitTest(5, 5), 5, 5);
  EXPECT_FALSE(drag.Pressed()) << "the title bar";
  EXPECT_EQ(drag.Move(200, 200, true, 4, 4), NodeDrag::Step::None);
  drag.Press(layout.HitTest(250, g.line.top + 2), 250, g.line.top + 2);
  EXPECT_EQ(drag.Source(), 0) << "the free part of a line";
}

TEST_F(Drag, TheDropTargetIsTheLineUnderThePointerButNeverTheDraggedBranch) {
  auto group = On(0), item2 = On(2), other = On(3);
  EXPECT_EQ(DropTargetAt(layout, other.x, other.y, 1), 3);
  EXPECT_EQ(DropTargetAt(layout, item2.x, item2.y, 1), 2) << "a sibling";
  EXPECT_EQ(DropTargetAt(layout, group.x, group.y, 1), 0) << "the dragged node's parent";
  EXPECT_EQ(DropTargetAt(layout, item2.x, item2.y, 0), kNoDrop) << "inside the dragged branch";
  EXPECT_EQ(DropTargetAt(layout, group.x, group.y, 0), kNoDrop) << "the dragged node itself";
  EXPECT_EQ(DropTargetAt(layout, item2.x, item2.y, -1), 2) << "from another control";
  EXPECT_EQ(DropTargetAt(layout, 10, metrics.height - 3, -1), -1) << "below the last line: after everything";
  EXPECT_EQ(DropTargetAt(layout, 10, 5, -1), kNoDrop) << "the title bar";
  EXPECT_EQ(DropTargetAt(layout, 310, item2.y, -1), kNoDrop) << "outside the control";
  model.SetNode(NodeField::Expanded, 0, 0);
  EXPECT_EQ(DropTargetAt(layout, item2.x, On(1).y, 1), 3) << "lines follow collapsing";
}

TEST_F(Drag, TheListScrollsWhileThePointerRestsAtItsTopOrBottomEdge) {
  for (int i = 0; i < 10; ++i) model.AddNode(L"More", 0, 1);  // 14 lines, 6 on screen
  const Rect list = layout.ListArea();
  EXPECT_EQ(DragScrollStep(layout, 10, list.top + 2), 0) << "already at the top";
  EXPECT_EQ(DragScrollStep(layout, 10, list.bottom - 2), 1);
  EXPECT_EQ(DragScrollStep(layout, 10, list.top + 30), 0) << "the middle of the list";
  EXPECT_EQ(DragScrollStep(layout, 10, list.bottom + 5), 0) << "outside: a drag out, not a scroll";
  layout.SetTopLine(layout.MaxTopLine());
  EXPECT_EQ(DragScrollStep(layout, 10, list.top + 2), -1);
  EXPECT_EQ(DragScrollStep(layout, 10, list.bottom - 2), 0) << "already at the bottom";
}

}  // namespace
}  // namespace kv::tree
