// Numbered texts of the main program: the string table is German at id N and English at N + 1000.
// TextLookup is the raw table (resources on Windows, a map in tests); Texts adds the language offset.
#pragma once

#include <functional>
#include <string>

namespace kv {

// Raw string table: the text stored under an id, empty when there is none.
using TextLookup = std::function<std::string(int id)>;

// Language offset from the product key's "Language" value: the decimal text of the number followed by
// "000" read back as a number (0 -> 0, 1 -> 1000). Values that would not give a table of ours fall back to 0.
int LanguageOffset(int languageValue);

// "|" is the line break of every text of the tables; windows show it as a carriage return (+ line feed).
std::string ExpandLineBreaks(const std::string& text, const char* lineBreak);

class Texts {
 public:
  Texts() = default;
  Texts(TextLookup lookup, int offset) : lookup_(std::move(lookup)), offset_(offset) {}
  std::string operator()(int id) const { return lookup_ ? lookup_(id + offset_) : std::string(); }
  int offset() const { return offset_; }
  const TextLookup& raw() const { return lookup_; }

 private:
  TextLookup lookup_;
  int offset_ = 0;
};

}  // namespace kv
