// Functions of system libraries that only some paths need, or that not every Windows version has,
// looked up at run time: a library the program does not import is not loaded when it starts.
#pragma once

#include <windows.h>

namespace kv {

// The named export of a system library, loading the library on first use; nullptr when either is not
// there.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace kv
