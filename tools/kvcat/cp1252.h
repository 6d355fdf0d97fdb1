// Text conversion between the UTF-8 of the catalogue sources and code page 1252, the ANSI code page
// the database files are written in.
#pragma once

#include <cstdint>
#include <string>

namespace kvcat {

struct Cp1252Result {
  bool ok = true;
  std::string text;             // the converted text (complete only when ok)
  std::uint32_t badChar = 0;    // first character that could not be converted (code point, or the byte)
  bool badUtf8 = false;         // the input was not valid UTF-8
};

// UTF-8 -> code page 1252. Fails on invalid UTF-8 and on characters the code page cannot hold.
Cp1252Result Utf8ToCp1252(const std::string& utf8);
// Code page 1252 -> UTF-8. Never fails: the five bytes the code page leaves undefined (81 8D 8F 90 9D)
// map to the control characters of the same number, and back.
std::string Cp1252ToUtf8(const std::string& cp1252);

}  // namespace kvcat
