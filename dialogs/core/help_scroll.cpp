// Help box scroll arithmetic (see help_scroll.h).
#include "dialogs/core/help_scroll.h"

#include <cmath>

namespace kvdlg {

int RoundHalfToEven(double value) { return static_cast<int>(std::nearbyint(value)); }

int RoundAreaToLines(int areaHeight, int lineHeight) {
  if (lineHeight <= 0) return areaHeight;
  int lines = RoundHalfToEven(static_cast<double>(areaHeight) / lineHeight);
  if (lines < 1) lines = 1;
  return lines * lineHeight;
}

int MoreMarginPixels(int twipsPerPixel) {
  if (twipsPerPixel <= 0) twipsPerPixel = 15;
  return RoundHalfToEven(105.0 / twipsPerPixel);
}

void HelpScrollModel::SetText(int textLines, int lineHeight, int areaHeight, int marginPixels) {
  if (textLines < 1) textLines = 1;
  textHeight_ = textLines * lineHeight;
  value_ = 0;
  smallChange_ = lineHeight > 0 ? lineHeight : 1;
  if (areaHeight >= textHeight_) {
    scrollEnabled_ = false;
    blinking_ = false;
    indicatorOn_ = false;
    max_ = 0;
    return;
  }
  scrollEnabled_ = true;
  blinking_ = true;
  indicatorOn_ = true;
  max_ = textHeight_ - areaHeight + marginPixels;
}

void HelpScrollModel::SetValue(int value) {
  if (value < 0) value = 0;
  if (value > max_) value = max_;
  value_ = value;
  if (scrollEnabled_ && value_ >= max_) {
    blinking_ = false;
    indicatorOn_ = false;
  }
}

void HelpScrollModel::Tick() {
  if (blinking_) indicatorOn_ = !indicatorOn_;
}

}  // namespace kvdlg
