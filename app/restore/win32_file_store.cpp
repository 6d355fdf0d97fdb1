// MoveFileEx-based replacement (see win32_file_store.h).
#include "app/restore/win32_file_store.h"

#include <windows.h>

#include <io.h>

namespace kv {

bool Win32FileStore::FlushToDisk(std::FILE* file) {
  // The data must be on the disk before the rename makes it the profile: otherwise a power cut
  // could leave a renamed but empty file in place of the old one.
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool Win32FileStore::Replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kv
