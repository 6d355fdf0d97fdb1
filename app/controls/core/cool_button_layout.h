// Where the flat button draws its icon and caption: from ViewImage, IconOffsetX/Y, Alignment,
// the sizes of icon and caption text, and the press offset.
#pragma once

#include "app/controls/core/control_rect.h"
#include "app/controls/core/cool_button_model.h"

namespace kv::controls {

struct Size {
  int width = 0, height = 0;
};

struct CoolButtonLayout {
  Rect icon;     // empty when no icon is shown
  Rect caption;  // the text's own rectangle (may run past the client area; the painter clips)
};

// Space kept between the icon and the caption, and between the caption and a free edge.
constexpr int kCoolIconGap = 4;
constexpr int kCoolCaptionMargin = 4;

// `iconSize` is {0,0} when the button has no icon; `captionSize` is the measured text.
CoolButtonLayout LayoutCoolButton(const CoolButtonProperties& p, int width, int height, Size iconSize,
                                  Size captionSize, int pressOffset);

}  // namespace kv::controls
