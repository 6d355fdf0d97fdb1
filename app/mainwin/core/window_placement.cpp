// Main-window placement (see window_placement.h).
#include "app/mainwin/core/window_placement.h"

namespace kv {

void PlaceMainWindow(const PlacementInput& in, int* left, int* top) {
  const int centredLeft = (in.ScreenWidth - in.WindowWidth) / 2;
  const int centredTop = (in.ScreenHeight - in.WindowHeight) / 2;
  if (!in.SaveLastWinPos) {
    *left = centredLeft;
    *top = centredTop;
    return;
  }
  int l = in.HasStoredLeft ? in.StoredLeft : centredLeft;
  int t = in.HasStoredTop ? in.StoredTop : centredTop;
  if (l >= in.ScreenWidth) l = in.ScreenWidth - in.WindowWidth;
  if (t >= in.ScreenHeight) t = in.ScreenHeight - in.WindowHeight;
  if (l + in.InnerWidth < 0) l = 0;
  if (t + in.InnerHeight < 0) t = 0;
  *left = l;
  *top = t;
}

ExitPositions PositionsAtExit(bool normalState, const TwipRect& w) {
  ExitPositions p{};
  p.Write = normalState;
  p.WinLeft = w.Left;
  p.WinTop = w.Top;
  p.AboutLeft = w.Left + w.Width / 2 - kAboutHalfWidth;
  p.AboutTop = w.Top + w.Height / 2 - kAboutHalfHeight;
  return p;
}

}  // namespace kv
