// Colours of the small controls: 0x00BBGGRR, or a system colour written as 0x80000000 + the system
// colour index (the form designers' way), resolved by the window layer when it paints.
#pragma once

#include <cstdint>

namespace kv::controls {

using Colour = std::uint32_t;

constexpr Colour kSystemColourFlag = 0x80000000u;
constexpr Colour SystemColour(int index) { return kSystemColourFlag | static_cast<Colour>(index & 0xFF); }
constexpr bool IsSystemColour(Colour c) { return (c & kSystemColourFlag) != 0; }
constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFF); }

// The system colour indexes the controls use (same numbers as the platform's).
constexpr Colour kSysWindow = SystemColour(5);
constexpr Colour kSysHighlight = SystemColour(13);
constexpr Colour kSysButtonFace = SystemColour(15);
constexpr Colour kSysGrayText = SystemColour(17);

}  // namespace kv::controls
