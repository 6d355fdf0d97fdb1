// Small text rules of the helper program: ANSI (code page 1252) upper-casing, blank trimming,
// trailing backslashes and the leading-digits number of a command-line field.
#pragma once

#include <cstdint>
#include <string>

namespace kv::helper {

// Upper-cases ASCII letters and the letters of code page 1252 (ä -> Ä, ÿ -> Ÿ, š -> Š ...).
std::string UpperCaseAnsi(std::string text);

// Removes leading and trailing blanks (spaces only, as the system's trim does).
std::string TrimBlanks(const std::string& text);

// Appends a backslash when the text does not end in one (also to the empty text).
std::string WithTrailingBackslash(std::string path);

// The number formed by the leading decimal digits; 0 when there are none or when the number does not
// fit 32 bits (a handle that cannot exist).
std::uint32_t LeadingDigitsNumber(const std::string& text);

}  // namespace kv::helper
