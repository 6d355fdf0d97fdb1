// The module (program or library) whose image holds a given address: the allocation base of that
// address's memory. GetModuleHandleEx with its from-address flag does the same but needs Windows XP.
#pragma once

#include <windows.h>

namespace kv {

// nullptr when the address is not in any mapped image.
inline HINSTANCE CodeModule(const void* address) {
  MEMORY_BASIC_INFORMATION memory = {};
  if (VirtualQuery(address, &memory, sizeof memory) == 0) return nullptr;
  return static_cast<HINSTANCE>(memory.AllocationBase);
}

}  // namespace kv
