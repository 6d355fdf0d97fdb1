// Hex text conversions shared by the registry layer (binary reads/writes) and the engine (bit functions).
#include "app/catalogue/hex_text.h"

namespace kv {

namespace {
const char kDigits[] = "0123456789ABCDEF";
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string BytesToHexText(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

bool HexTextToBytes(const std::string& hexText, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  for (char c : hexText) {
    if (HexDigitValue(c) < 0) return false;
  }
  bytes->reserve((hexText.size() + 1) / 2);
  for (std::size_t i = 0; i < hexText.size(); i += 2) {
    int value = HexDigitValue(hexText[i]);
    if (i + 1 < hexText.size()) value = value * 16 + HexDigitValue(hexText[i + 1]);
    bytes->push_back(static_cast<std::uint8_t>(value));
  }
  return true;
}

std::uint32_t HexToNumber(const std::string& hexText) {
  for (char c : hexText) {
    if (HexDigitValue(c) < 0) return 0;
  }
  std::uint32_t value = 0;
  for (std::size_t i = 0, byte = 0; i < hexText.size() && byte < 4; i += 2, ++byte) {
    std::uint32_t pair = static_cast<std::uint32_t>(HexDigitValue(hexText[i])) << 4;  // odd last digit d = "d0"
    if (i + 1 < hexText.size()) pair |= static_cast<std::uint32_t>(HexDigitValue(hexText[i + 1]));
    value |= pair << (8 * byte);
  }
  return value;
}

std::string NumberToHex(std::uint32_t value, int width) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0x0F]);
    value >>= 4;
  } while (value != 0);
  if (width > 0 && digits.size() < static_cast<std::size_t>(width)) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  if (digits.size() % 2 != 0) digits.insert(digits.begin(), '0');
  std::string reversed;
  reversed.reserve(digits.size());
  for (std::size_t i = digits.size(); i >= 2; i -= 2) reversed.append(digits, i - 2, 2);
  return reversed;
}

}  // namespace kv
