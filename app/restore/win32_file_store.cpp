// MoveFileEx-based replacement (see win32_file_store.h).
#include "app/restore/win32_file_store.h"

#include <windows.h>

namespace kv {

bool Win32FileStore::Replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kv
