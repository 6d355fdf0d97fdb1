// Conversions between the pages' window texts (ANSI, the code page the string tables are in) and
// the controls' wide automation strings.
#pragma once

#include <string>

namespace kv::pages {

std::string Narrow(const wchar_t* text, size_t length);
inline std::string Narrow(const std::wstring& text) { return Narrow(text.data(), text.size()); }
std::wstring Wide(const std::string& text);

}  // namespace kv::pages
