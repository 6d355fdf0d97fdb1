// Icon and caption placement of the flat button (see cool_button_layout.h).
#include "app/controls/core/cool_button_layout.h"

namespace kv::controls {

CoolButtonLayout LayoutCoolButton(const CoolButtonProperties& p, int width, int height, Size iconSize,
                                  Size captionSize, int pressOffset) {
  CoolButtonLayout out;
  const bool showIcon = p.viewImage && iconSize.width > 0 && iconSize.height > 0;
  int areaLeft = kCoolCaptionMargin;
  if (showIcon) {
    const int top = (height - iconSize.height) / 2 + p.iconOffsetY;
    out.icon = Rect{p.iconOffsetX, top, p.iconOffsetX + iconSize.width, top + iconSize.height};
    areaLeft = out.icon.right + kCoolIconGap;
  }
  const int areaRight = width - kCoolCaptionMargin;
  const int free = areaRight - areaLeft - captionSize.width;
  int left = areaLeft;
  if (free > 0) {
    if (p.alignment == CaptionAlignment::Right) left = areaLeft + free;
    if (p.alignment == CaptionAlignment::Centre) left = areaLeft + free / 2;
  }
  const int top = (height - captionSize.height) / 2;
  out.caption = Rect{left, top, left + captionSize.width, top + captionSize.height};
  out.icon = out.icon.Empty() ? Rect{} : out.icon.Offset(pressOffset, pressOffset);
  out.caption = out.caption.Offset(pressOffset, pressOffset);
  return out;
}

}  // namespace kv::controls
