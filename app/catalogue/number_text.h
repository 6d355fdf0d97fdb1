// "Number of a text": how every database text used as a number is read.
// Leading blanks are skipped; then either an optional sign, decimal digits and an optional decimal
// fraction, or "&H" followed by hexadecimal digits; reading stops at the first character that does not
// fit; a text without a number gives 0. The value is rounded to the nearest integer, halves to even.
#pragma once

#include <cstdint>
#include <string>

namespace kv {

// 32-bit result. Decimal numbers outside the range are clamped to it; "&H" numbers are bit patterns
// ("&HFFFFFFFF" is -1), and hex numbers wider than 32 bits clamp to 0xFFFFFFFF (-1).
std::int32_t NumberOfText(const std::string& text);

// 16-bit result for bit numbers, widths and other 16-bit fields. Decimal numbers are clamped to
// -32768..32767; "&H" numbers up to 0xFFFF are bit patterns ("&HFFFF" is -1), wider ones clamp to 32767.
std::int16_t NumberOfText16(const std::string& text);

}  // namespace kv
