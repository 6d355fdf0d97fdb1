// The hidden-drives mask: a 32-bit number stored as 8-digit little-endian hex text, bit n for drive
// letter "A" + n, and the hide box's tag ("C:\|122|4": root, mask function, mask as decimal).
#pragma once

#include <cstdint>
#include <string>

namespace kv {

// The mask of a stored text: little-endian hex read by the engine's rule; text that is not hex
// ("NoKey", damaged data) counts as no drive hidden, a short text as its low bytes ("04" = C).
std::uint32_t DriveMaskOf(const std::string& hexText);
// The 8-digit little-endian hex text of a mask (C hidden: "04000000").
std::string DriveMaskText(std::uint32_t mask);

// Bit of a drive letter: 0 for "A" (either case) to 25 for "Z"; -1 for anything else.
int DriveBit(char letter);
// The mask with the letter's bit set (hidden) or cleared; unchanged for a character that is no letter.
std::uint32_t WithDriveHidden(std::uint32_t mask, char letter, bool hidden);
bool DriveHidden(std::uint32_t mask, char letter);

struct HideBoxTag {
  char Letter = 0;
  int Function = -1;
  std::uint32_t Mask = 0;
};
std::string HideBoxTagText(const std::string& root, int function, std::uint32_t mask);
// False for a tag without three "|"-separated parts, an empty root, or a function or mask that is
// not a whole decimal number in range.
bool ParseHideBoxTag(const std::string& text, HideBoxTag* tag);

}  // namespace kv
