// Functions of system libraries that only some paths need, or that not every Windows version has,
// looked up at run time: a library the program does not import is not loaded when it starts, and a
// function newer than Windows NT 4.0 (the product's floor) gets a fallback where it is missing.
#pragma once

#include <windows.h>

#include <cstring>

#include "app/controls/win32/system_version.h"

namespace kv {

// The functions this program looks up that came with Windows 2000. On NT 4.0 they count as missing
// even where an update or an emulator provides them, so that NT 4.0 always takes the same path.
inline bool AddedInWindows2000(const char* name) {
  static const char* const kNames[] = {"SetLayeredWindowAttributes", "PrivateExtractIconsA"};
  for (const char* added : kNames) {
    if (std::strcmp(added, name) == 0) return true;
  }
  return false;
}

// The named export of a system library, loading the library on first use; nullptr when either is not
// there (or the function is one of Windows 2000's and the system is NT 4.0).
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  if (!IsWindows2000OrLater() && AddedInWindows2000(name)) return nullptr;
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace kv
