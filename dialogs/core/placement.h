// Where a dialog goes: centred on its owner's normal rectangle and pulled back inside the screen,
// or centred on the screen when there is no readable owner.
#pragma once

namespace kvdlg {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct Point {
  int x = 0, y = 0;
};

Point CenterOnRect(const Rect& owner, int width, int height, const Rect& screen);
Point CenterOnScreen(int width, int height, const Rect& screen);

}  // namespace kvdlg
