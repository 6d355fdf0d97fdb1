// Password scrambling (see scramble_text.h).
#include "app/mainwin/core/scramble_text.h"

namespace kv {

namespace {
const char kScrambleKey[] = "Qv7#rKz";  // printable, exactly 7 characters
}

std::string ScrambleTextWithKey(const std::string& text, int mode, const std::string& key) {
  if (key.empty()) return text;
  if (mode != kScramble && mode != kUnscramble) return std::string();
  std::string out;
  out.reserve(text.size());
  const std::size_t n = key.size();
  for (std::size_t i = 1; i <= text.size(); ++i) {
    unsigned c = static_cast<unsigned char>(text[i - 1]);
    unsigned k = static_cast<unsigned char>(key[(i % n)]);  // key character (i mod n) + 1, 1-based
    unsigned r = mode == kScramble ? (c - k) & 255u : (c + k) & 255u;
    out += static_cast<char>(r);
  }
  return out;
}

std::string ScrambleText(const std::string& text, int mode) {
  return ScrambleTextWithKey(text, mode, kScrambleKey);
}

}  // namespace kv
