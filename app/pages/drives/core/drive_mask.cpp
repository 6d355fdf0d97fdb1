// The hidden-drives mask and the hide box's tag (see drive_mask.h).
#include "app/pages/drives/core/drive_mask.h"

#include <cctype>

#include "app/catalogue/hex_text.h"

namespace kv {

namespace {
constexpr int kMaskDigits = 8;

// A whole decimal number not above `limit`; false for anything else.
bool WholeNumber(const std::string& text, std::uint64_t limit, std::uint64_t* value) {
  if (text.empty() || text.size() > 10) return false;
  std::uint64_t v = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    v = v * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (v > limit) return false;
  *value = v;
  return true;
}
}  // namespace

std::uint32_t DriveMaskOf(const std::string& hexText) { return HexToNumber(hexText); }

std::string DriveMaskText(std::uint32_t mask) { return NumberToHex(mask, kMaskDigits); }

int DriveBit(char letter) {
  const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  return upper >= 'A' && upper <= 'Z' ? upper - 'A' : -1;
}

std::uint32_t WithDriveHidden(std::uint32_t mask, char letter, bool hidden) {
  const int bit = DriveBit(letter);
  if (bit < 0) return mask;
  const std::uint32_t flag = 1u << bit;
  return hidden ? (mask | flag) : (mask & ~flag);
}

bool DriveHidden(std::uint32_t mask, char letter) {
  const int bit = DriveBit(letter);
  return bit >= 0 && (mask & (1u << bit)) != 0;
}

std::string HideBoxTagText(const std::string& root, int function, std::uint32_t mask) {
  return root + "|" + std::to_string(function) + "|" + std::to_string(mask);
}

bool ParseHideBoxTag(const std::string& text, HideBoxTag* tag) {
  const std::size_t first = text.find('|');
  const std::size_t second = first == std::string::npos ? first : text.find('|', first + 1);
  if (first == 0 || second == std::string::npos || text.find('|', second + 1) != std::string::npos) return false;
  std::uint64_t function = 0, mask = 0;
  if (!WholeNumber(text.substr(first + 1, second - first - 1), 0x7FFFFFFF, &function) ||
      !WholeNumber(text.substr(second + 1), 0xFFFFFFFF, &mask))
    return false;
  tag->Letter = text[0];
  tag->Function = static_cast<int>(function);
  tag->Mask = static_cast<std::uint32_t>(mask);
  return true;
}

}  // namespace kv
