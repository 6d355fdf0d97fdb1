// Reversible scrambling of the access password ("AppInitPss") with the program's fixed 7-character key.
#pragma once

#include <string>

namespace kv {

enum ScrambleMode { kScramble = 0, kUnscramble = 1 };

// Character i (1-based) is shifted by key character (i mod 7) + 1: down when scrambling, up when
// unscrambling, modulo 256. Any other mode gives an empty text. The result may hold any byte, 0 included.
std::string ScrambleText(const std::string& text, int mode);

// The same with an explicit key (an empty key returns the text unchanged).
std::string ScrambleTextWithKey(const std::string& text, int mode, const std::string& key);

}  // namespace kv
