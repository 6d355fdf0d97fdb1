// Lenient number reading of database texts (leading number, banker's rounding, clamped ranges).
#include "app/catalogue/number_text.h"

#include <cstddef>

#include "app/catalogue/hex_text.h"

namespace kv {

namespace {

// Far beyond every target range, so clamping afterwards is exact; accumulation stops growing here.
constexpr std::int64_t kSaturation = std::int64_t{1} << 40;

struct LeadingNumber {
  bool isHex = false;
  std::uint64_t hexValue = 0;  // saturated at kSaturation
  std::int64_t rounded = 0;    // decimal value rounded half to even, saturated at +-kSaturation
};

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

LeadingNumber ReadLeadingNumber(const std::string& text) {
  LeadingNumber result;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;

  if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
    result.isHex = true;
    for (i += 2; i < text.size() && HexDigitValue(text[i]) >= 0; ++i) {
      result.hexValue = result.hexValue * 16 + static_cast<std::uint64_t>(HexDigitValue(text[i]));
      if (result.hexValue > static_cast<std::uint64_t>(kSaturation)) result.hexValue = kSaturation;
    }
    return result;
  }

  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::int64_t whole = 0;
  for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    whole = whole * 10 + (text[i] - '0');
    if (whole > kSaturation) whole = kSaturation;
  }
  // Fraction: only its first digit and whether anything non-zero follows decide the rounding.
  int firstFractionDigit = 0;
  bool restNonZero = false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && IsDecimalDigit(text[i])) firstFractionDigit = text[i++] - '0';
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i) restNonZero = restNonZero || text[i] != '0';
  }
  bool roundUp = firstFractionDigit > 5 || (firstFractionDigit == 5 && (restNonZero || whole % 2 != 0));
  if (roundUp && whole < kSaturation) ++whole;
  result.rounded = negative ? -whole : whole;
  return result;
}

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
  return value < low ? low : (value > high ? high : value);
}

}  // namespace

std::int32_t NumberOfText(const std::string& text) {
  LeadingNumber n = ReadLeadingNumber(text);
  if (n.isHex) {
    std::uint32_t pattern = n.hexValue > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<std::uint32_t>(n.hexValue);
    return static_cast<std::int32_t>(pattern);
  }
  return static_cast<std::int32_t>(Clamp(n.rounded, INT32_MIN, INT32_MAX));
}

std::int16_t NumberOfText16(const std::string& text) {
  LeadingNumber n = ReadLeadingNumber(text);
  if (n.isHex) {
    if (n.hexValue > 0xFFFF) return INT16_MAX;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(n.hexValue));
  }
  return static_cast<std::int16_t>(Clamp(n.rounded, INT16_MIN, INT16_MAX));
}

}  // namespace kv
