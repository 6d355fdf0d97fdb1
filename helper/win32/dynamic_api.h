// Functions of system libraries that only some jobs need (shell32, comctl32) are looked up when first
// used, so that the common jobs (a scan without window, a session end) start without loading them.
#pragma once

#include <windows.h>

namespace kv::helper {

// The named export of a system library, loaded on first use; nullptr when it is not there.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = GetModuleHandleA(library);
  if (!module) module = LoadLibraryA(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace kv::helper
