// Placement of the progress window (see progress_placement.h).
#include "helper/core/progress_placement.h"

namespace kv::helper {

namespace {

long KeepOnScreen(long position, long size, long screen) {
  if (position + size > screen) position = screen - size;
  return position < 0 ? 0 : position;
}

}  // namespace

TwipPoint PlaceOverOwner(const PixelRect* owner, const PlacementMetrics& m) {
  TwipPoint p;
  if (!owner) {
    p.Left = (m.ScreenWidth - m.WindowWidth) / 2;
    p.Top = (m.ScreenHeight - m.WindowHeight) / 2;
    return p;
  }
  p.Left = (owner->Right - owner->Left) * m.TwipsPerPixelX / 2 + owner->Left * m.TwipsPerPixelX - m.WindowWidth / 2;
  p.Top = (owner->Bottom - owner->Top) * m.TwipsPerPixelY / 2 + owner->Top * m.TwipsPerPixelY - m.WindowHeight / 2;
  p.Left = KeepOnScreen(p.Left, m.WindowWidth, m.ScreenWidth);
  p.Top = KeepOnScreen(p.Top, m.WindowHeight, m.ScreenHeight);
  return p;
}

}  // namespace kv::helper
