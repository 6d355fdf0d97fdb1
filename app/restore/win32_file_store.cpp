// MoveFileEx-based replacement that leaves a read-only target alone (see win32_file_store.h).
#include "app/restore/win32_file_store.h"

#include <windows.h>

#include <io.h>

#include "app/restore/win32_administrators_only.h"

namespace kv {

std::FILE* Win32FileStore::OpenNew(const std::string& path) {
  if (access_ == FileAccess::AdministratorsOnly) {
    // The file is made first with its security descriptor; opening it for writing afterwards
    // truncates it and keeps the descriptor. A system without security (no descriptor) still gets
    // its file.
    AdministratorsOnly security;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, security.Attributes(), CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    CloseHandle(file);
  }
  return StdioFileStore::OpenNew(path);
}

bool Win32FileStore::FlushToDisk(std::FILE* file) {
  // The data must be on the disk before the rename makes it the profile: otherwise a power cut
  // could leave a renamed but empty file in place of the old one.
  const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool Win32FileStore::Replace(const std::string& from, const std::string& to) {
  // A write-protected profile is not replaced. Windows refuses MoveFileEx over a read-only file;
  // Wine does not, so the rule is kept here for every system.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kv
