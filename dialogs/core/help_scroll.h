// Help box text area: rounding the visible area to whole lines, the scroll bar's range for a text,
// and the blinking "more" indicator that runs until the reader reaches the end.
#pragma once

namespace kvdlg {

// Round half to even (banker's rounding), as the platform's integer conversion does.
int RoundHalfToEven(double value);

// Area height rounded to a whole number of lines (halves to even); never less than one line.
int RoundAreaToLines(int areaHeight, int lineHeight);

// Pixels of the 105-twip margin the scroll range gets beyond the text, at the given twips per pixel.
int MoreMarginPixels(int twipsPerPixel);

class HelpScrollModel {
 public:
  // Called whenever the text changes. textLines * lineHeight is the text field's height.
  void SetText(int textLines, int lineHeight, int areaHeight, int marginPixels);

  bool ScrollEnabled() const { return scrollEnabled_; }
  int Max() const { return max_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return max_; }
  int TextHeight() const { return textHeight_; }

  // The text field's top relative to the area for a scroll value.
  int TextTop() const { return -value_; }
  void SetValue(int value);

  // Blinking "more" indicator: runs while there is more text below; stops at the end.
  bool Blinking() const { return blinking_; }
  bool IndicatorShown() const { return blinking_ && indicatorOn_; }
  void Tick();

 private:
  int textHeight_ = 0;
  int max_ = 0;
  int smallChange_ = 1;
  int value_ = 0;
  bool scrollEnabled_ = false;
  bool blinking_ = false;
  bool indicatorOn_ = false;
};

}  // namespace kvdlg
