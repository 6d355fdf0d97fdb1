// System libraries loaded at run time, always from the system folder by full path (a library of the
// same name in the program's or the current folder is never picked up), and functions looked up in
// them: a library the program does not import is not loaded when it starts, and a function newer
// than Windows NT 4.0 (the product's floor) gets a fallback where it is missing.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

#include "app/controls/win32/system_version.h"

namespace kv {

// The system folder's copy of `library` ("shlwapi.dll"), loaded on first use; nullptr when there is
// none.
inline HMODULE SystemLibrary(const char* library) {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  path += library;
  HMODULE module = GetModuleHandleA(path.c_str());
  return module ? module : LoadLibraryA(path.c_str());
}

// The functions this program looks up that came with Windows 2000. On NT 4.0 they count as missing
// even where an update or an emulator provides them, so that NT 4.0 always takes the same path.
inline bool AddedInWindows2000(const char* name) {
  if (IS_INTRESOURCE(name)) return false;  // an export by number
  static const char* const kNames[] = {"SetLayeredWindowAttributes", "PrivateExtractIconsA"};
  for (const char* added : kNames) {
    if (std::strcmp(added, name) == 0) return true;
  }
  return false;
}

// The named (or, through MAKEINTRESOURCEA, numbered) export of a system library; nullptr when either
// is not there, or when the function is one of Windows 2000's and the system is NT 4.0.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  if (!IsWindows2000OrLater() && AddedInWindows2000(name)) return nullptr;
  HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace kv
