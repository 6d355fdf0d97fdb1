// ANSI <-> wide text of the property pages (see ansi_text.h).
#include "activex/property_page/ansi_text.h"

#include <windows.h>

namespace kv::pages {

std::string Narrow(const wchar_t* text, size_t length) {
  if (!text || length == 0) return {};
  int bytes = WideCharToMultiByte(CP_ACP, 0, text, int(length), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text, int(length), &out[0], bytes, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(size_t(chars > 0 ? chars : 0), L'\0');
  if (chars > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &out[0], chars);
  return out;
}

}  // namespace kv::pages
