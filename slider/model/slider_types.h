// Small value types shared by the slider model, its layout and its window: rectangles, the
// enumerations of the control's interface and the dispatch ids of its properties.
#pragma once

#include <cstdint>

namespace kvslide {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

// Values of the type library's enumerations (the numbers are part of the interface).
enum class Border : int16_t { Regular = 0, None = 1, Raised = 2, Lowered = 3 };
enum class SliderStyle : int16_t { Horizontal = 0, Vertical = 1 };  // SlideHorv, SlideVert
enum class ScaleType : int16_t { Mark = 0, Ruler = 1, User = 2 };    // SlideMark, SlideRuler, SlideUser
enum class ThumbShape : int16_t { Regular = 0, Point1 = 1, Point2 = 2, User = 3 };

// How an end of the scale (ShowMin / ShowMax) is labelled.
enum class EndLabel : int16_t { Plain = 0, Hidden = 1, Emphasised = 2 };

// Dispatch ids of the control's properties, methods and events.
namespace dispid {
constexpr int kBackColor = 1, kForeColor = 2, kFontName = 3, kFontBold = 4, kFontItalic = 5,
              kFontStrikethru = 6, kFontUnderline = 7, kFontSize = 8, kInnerBorder = 9, kOuterBorder = 10,
              kSliderStyle = 11, kKeyMove = 12, kPageMove = 13, kBorderColor = 14, kInnerColor = 15,
              kValue = 16, kMinValue = 17, kMaxValue = 18, kInnerBottom = 19, kInnerLeft = 20,
              kInnerRight = 21, kInnerTop = 22, kSliderType = 23, kShowMax = 24, kShowMin = 25,
              kShowIncrement = 26, kShowDivisions = 27, kSliderOffset = 28, kThumbVert = 29, kThumbHorz = 30,
              kPictureBack = 31, kPictureThumb = 32, kThumbStyle = 33, kShowMultiply = 34, kBarColor = 35,
              kSlideValue = 36;
constexpr int kEnabled = -514, kFont = -512, kHwnd = -515, kAboutBox = -552;
// Events.
constexpr int kSlideChange = 1, kThumbClick = 2, kClick = -600, kDblClick = -601, kMouseMove = -606,
              kMouseDown = -605, kMouseUp = -607;
}  // namespace dispid

}  // namespace kvslide
