// Letter case of texts in the ANSI code page 1252 (the code page of the database and the registry texts):
// ASCII letters and the accented Latin-1 letters.
#pragma once

#include <string>

namespace kv {

std::string AnsiUpper(const std::string& text);
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace kv
