// Flat scroll bar model: the value properties, the mapping onto the platform bar's range,
// and what each scroll message does to the value.
#pragma once

#include <cstdint>

namespace kvdlg {

// Scroll request codes as the platform numbers them.
enum class ScrollCode : int {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
  EndScroll = 8,
};

struct PlatformRange {
  std::int32_t min = 0;
  std::int32_t max = 0;
  std::int32_t page = 0;
};

// What a scroll message asks the control to do.
struct ScrollOutcome {
  bool setValue = false;       // Value changes to newValue (through the Value property)
  std::int32_t newValue = 0;
  bool raiseChange = false;    // the change event, once (also raised when Value changes)
  bool raiseScroll = false;    // the scroll event (thumb dragged), after the change event
};

class FlatScrollModel {
 public:
  std::int32_t min = 0;
  std::int32_t max = 32767;
  std::int32_t value = 0;
  std::int32_t largeChange = 0;
  std::int32_t smallChange = 1;

  // The platform bar runs from Min to Max + LargeChange with page LargeChange,
  // so the thumb's position runs from Min to Max.
  PlatformRange Range() const;

  // Line and page steps are kept inside Min..Max; a thumb-track position is taken as it comes.
  ScrollOutcome OnScroll(ScrollCode code, std::int32_t trackPosition) const;

  std::int32_t Clamp(std::int64_t v) const;
};

// Orientation: 0 horizontal, 1 vertical, anything else both bars.
enum class BarKind { Horizontal, Vertical, Both };
BarKind BarKindFor(std::int32_t orientation);
// Window style bits for the bar(s): 0x100000 horizontal, 0x200000 vertical.
std::uint32_t ScrollStyleBits(BarKind kind);
// Bar the value properties address: 0 horizontal, 1 otherwise.
std::int32_t ActiveBarFor(std::int32_t orientation);

}  // namespace kvdlg
