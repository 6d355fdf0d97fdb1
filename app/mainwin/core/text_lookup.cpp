// Language offset and line-break expansion of the numbered texts.
#include "app/mainwin/core/text_lookup.h"

namespace kv {

int LanguageOffset(int languageValue) {
  // "1" & "000" = 1000; anything but 0 and 1 would address texts that do not exist.
  return languageValue == 1 ? 1000 : 0;
}

std::string ExpandLineBreaks(const std::string& text, const char* lineBreak) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '|') out += lineBreak;
    else out += c;
  }
  return out;
}

}  // namespace kv
