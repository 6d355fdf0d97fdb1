// Dialog placement arithmetic (see placement.h).
#include "dialogs/core/placement.h"

namespace kvdlg {

namespace {

// Moves a span back inside [low, high); a span wider than the screen starts at low.
int PullInside(int start, int size, int low, int high) {
  if (start + size > high) start = high - size;
  if (start < low) start = low;
  return start;
}

}  // namespace

Point CenterOnRect(const Rect& owner, int width, int height, const Rect& screen) {
  Point p;
  p.x = owner.left + (owner.Width() - width) / 2;
  p.y = owner.top + (owner.Height() - height) / 2;
  p.x = PullInside(p.x, width, screen.left, screen.right);
  p.y = PullInside(p.y, height, screen.top, screen.bottom);
  return p;
}

Point CenterOnScreen(int width, int height, const Rect& screen) {
  return CenterOnRect(screen, width, height, screen);
}

}  // namespace kvdlg
