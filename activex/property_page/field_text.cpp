// Parsing and formatting of property-page field texts (see field_text.h).
#include "activex/property_page/field_text.h"

#include <cstdio>

namespace kv::pages {
namespace {

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits only, value below 2^32 (checked while reading, so no overflow).
std::optional<uint32_t> Unsigned(const std::string& digits, int base) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (char c : digits) {
    int d = HexDigit(c);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  return static_cast<uint32_t>(value);
}

}  // namespace

std::optional<long> ParseNumber(const std::string& text, long minimum, long maximum) {
  std::string t = Trimmed(text);
  bool negative = !t.empty() && t[0] == '-';
  if (negative || (!t.empty() && t[0] == '+')) t.erase(0, 1);
  std::optional<uint32_t> magnitude = Unsigned(t, 10);
  if (!magnitude) return std::nullopt;
  long long value = negative ? -static_cast<long long>(*magnitude) : static_cast<long long>(*magnitude);
  if (value < minimum || value > maximum) return std::nullopt;
  return static_cast<long>(value);
}

std::optional<int32_t> ParseColour(const std::string& text) {
  std::string t = Trimmed(text);
  std::optional<uint32_t> value;
  if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
    std::string digits = t.substr(2);
    if (!digits.empty() && digits.back() == '&') digits.pop_back();
    value = Unsigned(digits, 16);
  } else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
    value = Unsigned(t.substr(2), 16);
  } else {
    value = Unsigned(t, 10);
  }
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::string FormatColour(int32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "&H%08X&", static_cast<unsigned>(static_cast<uint32_t>(colour)));
  return text;
}

}  // namespace kv::pages
