// The whole text of a window of this program (edit fields, captions) as a string.
#pragma once

#include <windows.h>

#include <string>

namespace kv {

inline std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], length + 1)));
  return text;
}

}  // namespace kv
