// Text of a property-page field and the value it stands for: whole numbers within a range, and
// colours written as "&H00BBGGRR&" (the form the controls' users know from their tools).
// Portable: no windows.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kv::pages {

// A whole decimal number, spaces around it allowed, within [minimum, maximum]; else nothing.
std::optional<long> ParseNumber(const std::string& text, long minimum, long maximum);

// A colour: "&H" hex digits with an optional closing "&", "0x" hex digits, or a decimal number;
// at most 32 bits. The result is the 32-bit pattern as a signed value (system colours such as
// &H80000012& are negative), which is how the controls take colours.
std::optional<int32_t> ParseColour(const std::string& text);

// "&H00C0C0C0&": eight hex digits, upper case.
std::string FormatColour(int32_t colour);

}  // namespace kv::pages
