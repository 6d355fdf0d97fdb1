// Code page 1252 case folding for comparisons that ignore letter case.
#include "app/catalogue/ansi_text.h"

namespace kv {

namespace {
char UpperChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);  // à..þ, not ÷
  if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);   // š œ ž
  if (u == 0xFF) return static_cast<char>(0x9F);                               // ÿ
  return c;
}
}  // namespace

std::string AnsiUpper(const std::string& text) {
  std::string upper = text;
  for (char& c : upper) c = UpperChar(c);
  return upper;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  }
  return true;
}

}  // namespace kv
