// Dragging nodes with the mouse, without a window: when a press on a line turns into a drag, which
// line a drop would land on, and when the pointer has left the control (StartDragOut). The window
// feeds it the button and pointer in client pixels and turns each step into an event.
#pragma once

#include "treelist/model/tree_layout.h"

namespace kv::tree {

// DropTargetAt's answer for a point where nothing may be dropped: outside the list area, or, in the
// control the drag started in, on the dragged node or inside its branch (a node cannot go below
// itself). Below the last line the answer is -1: "after everything".
constexpr Index kNoDrop = -2;

// The node a drop at client point (x, y) lands on. `source` is the dragged node when the drag
// started in this control, -1 when it comes from elsewhere.
Index DropTargetAt(const TreeLayout& layout, int x, int y, Index source);

// While dragging: -1 to scroll up, 1 down, 0 not, for the pointer at (x, y). The list scrolls while
// the pointer rests within half a line of its top or bottom edge and there are lines that way.
int DragScrollStep(const TreeLayout& layout, int x, int y);

class NodeDrag {
 public:
  enum class Step { None, Begin, Leave };

  // The left button went down at (x, y) on `hit`: the text, picture or free part of a line may start
  // a drag; boxes, marks, the title and the header never do.
  void Press(const HitResult& hit, int x, int y);
  // The pointer moved to (x, y) with the left button held; `inside` is false once it is outside the
  // control's client area. Begin: it moved more than `slopX`/`slopY` from the press (DragNode).
  // Leave: a running drag went outside the control (StartDragOut, once per leaving).
  Step Move(int x, int y, bool inside, int slopX, int slopY);
  // The button was released or the drag was cancelled (Escape, capture lost): returns whether a
  // drag was running (only then is there a drop to report).
  bool End();

  bool Pressed() const { return source_ >= 0; }
  bool Active() const { return active_; }
  Index Source() const { return source_; }

 private:
  Index source_ = -1;
  int pressX_ = 0;
  int pressY_ = 0;
  bool active_ = false;
  bool outside_ = false;
};

}  // namespace kv::tree
