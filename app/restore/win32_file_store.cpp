// MoveFileEx-based replacement (see win32_file_store.h).
#include "app/restore/win32_file_store.h"

#include <windows.h>

namespace kv {

bool Win32FileStore::WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (std::size_t pos = 0; ok && pos < bytes.size();) {
    const DWORD piece = static_cast<DWORD>(bytes.size() - pos < 65536 ? bytes.size() - pos : 65536);
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + pos, piece, &written, nullptr) && written == piece;
    pos += piece;
  }
  // The data must be on the disk before the rename makes it the profile: otherwise a power cut
  // could leave a renamed but empty file in place of the old one.
  ok = FlushFileBuffers(file) && ok;
  ok = CloseHandle(file) && ok;
  return ok;
}

bool Win32FileStore::Replace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kv
