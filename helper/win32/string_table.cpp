// String-table access (see string_table.h).
#include "helper/win32/string_table.h"

#include <windows.h>

namespace kv::helper {

std::string StringTable::Text(int id) const {
  char buffer[2048];
  const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id + offset_), buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

}  // namespace kv::helper
