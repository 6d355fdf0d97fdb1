// Dragging nodes with the mouse: press, threshold, leaving the control, and the drop target.
#include "treelist/model/node_drag.h"

#include <algorithm>
#include <cstdlib>

namespace kv::tree {

Index DropTargetAt(const TreeLayout& layout, int x, int y, Index source) {
  const Rect list = layout.ListArea();
  if (!list.Contains(x, y)) return kNoDrop;
  const Index target = layout.HitTest(x, y).node;
  if (target < 0) return -1;
  const NodeStore& nodes = layout.Model().Nodes();
  if (nodes.Valid(source) && target >= source && target < nodes.SubtreeEnd(source)) return kNoDrop;
  return target;
}

int DragScrollStep(const TreeLayout& layout, int x, int y) {
  const Rect list = layout.ListArea();
  if (!list.Contains(x, y)) return 0;
  const int zone = std::max(2, layout.Metrics().lineHeight / 2);
  if (y < list.top + zone && layout.TopLine() > 0) return -1;
  if (y >= list.bottom - zone && layout.TopLine() < layout.MaxTopLine()) return 1;
  return 0;
}

void NodeDrag::Press(const HitResult& hit, int x, int y) {
  active_ = false;
  outside_ = false;
  const bool draggable = hit.part == HitPart::Text || hit.part == HitPart::Picture || hit.part == HitPart::Line;
  source_ = draggable ? hit.node : -1;
  pressX_ = x;
  pressY_ = y;
}

NodeDrag::Step NodeDrag::Move(int x, int y, bool inside, int slopX, int slopY) {
  if (source_ < 0) return Step::None;
  if (!active_) {
    if (std::abs(x - pressX_) <= slopX && std::abs(y - pressY_) <= slopY) return Step::None;
    active_ = true;
    outside_ = false;  // a pointer already outside reports Leave with its next move
    return Step::Begin;
  }
  if (inside) {
    outside_ = false;
    return Step::None;
  }
  if (outside_) return Step::None;
  outside_ = true;
  return Step::Leave;
}

bool NodeDrag::End() {
  const bool wasActive = active_;
  source_ = -1;
  active_ = false;
  outside_ = false;
  return wasActive;
}

}  // namespace kv::tree
