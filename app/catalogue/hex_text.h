// Hex text: binary registry data as two upper-case hexadecimal digits per byte, first byte first,
// and the little-endian number conversions that bit-level functions use on it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// Two upper-case digits per byte, bytes in stored order ({0x0A,0x1F,0x00} -> "0A1F00").
std::string BytesToHexText(const std::vector<std::uint8_t>& bytes);

// Parses hex text two digits at a time from the first character; an odd last digit is a byte of its own
// ("ABC" -> 0xAB, 0x0C). Upper and lower case digits are accepted. Returns false and leaves `bytes`
// empty when the text holds any character that is not a hexadecimal digit.
bool HexTextToBytes(const std::string& hexText, std::vector<std::uint8_t>* bytes);

// Reads hex text as a little-endian unsigned number: the first pair is the least significant byte,
// an odd last digit d counts as the pair "d0". Only the first four bytes count (longer data keeps its
// low 32 bits). The empty text and any text that is not hexadecimal (such as "NoKey") give 0.
std::uint32_t HexToNumber(const std::string& hexText);

// Writes the unsigned 32-bit value as upper-case digits padded with "0" on the left to `width` digits,
// then lists the pairs least significant first ("0208", width 4 -> "0802"; width 8 -> "08020000").
// A value that needs more digits than `width` keeps all its digits, and an odd digit count gets one
// more leading "0", so the result is always whole bytes and never loses a set bit.
std::string NumberToHex(std::uint32_t value, int width);

// Value of one hexadecimal digit character, -1 when it is not one.
int HexDigitValue(char c);

}  // namespace kv
