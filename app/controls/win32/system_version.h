// Which Windows the program runs on, for the few places where Windows 2000 offers more than NT 4.0
// (the product's floor): read once from GetVersionEx.
#pragma once

#include <windows.h>

namespace kv {

// True on Windows 2000 (NT 5.0) and later, false on NT 4.0.
inline bool IsWindows2000OrLater() {
  static const bool later = [] {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) && info.dwMajorVersion >= 5;
  }();
  return later;
}

}  // namespace kv
