// System libraries loaded at run time, always from the system folder by full path (a library of the
// same name in the program's or the current folder is never picked up), and functions looked up in
// them: a library the program does not import is not loaded when it starts, and functions that not
// every Windows version has are found only where they exist.
#pragma once

#include <windows.h>

#include <string>

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

// The named (or, through MAKEINTRESOURCEA, numbered) export of a system library; nullptr when either
// is not there.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace kv
