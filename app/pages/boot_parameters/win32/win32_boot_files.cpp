// Boot file access on the Windows file system (see win32_boot_files.h).
#include "app/pages/boot_parameters/win32/win32_boot_files.h"

#include <windows.h>

namespace kv {

bool Win32BootFiles::Read(const std::string& path, std::string* text) {
  text->clear();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD high = 0;
  const DWORD size = GetFileSize(file, &high);
  bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxFileSize;
  if (ok) {
    text->resize(size);
    DWORD read = 0;
    ok = size == 0 || (ReadFile(file, &(*text)[0], size, &read, nullptr) && read == size);
  }
  CloseHandle(file);
  if (!ok) text->clear();
  return ok;
}

bool Win32BootFiles::Write(const std::string& path, const std::string& text) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // an old read-only copy is replaced too
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = text.empty() ||
            (WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size());
  ok = FlushFileBuffers(file) && ok;
  ok = CloseHandle(file) && ok;
  return ok;
}

bool Win32BootFiles::ReplaceWithCopy(const std::string& from, const std::string& to) {
  const std::string beside = to + ".$$$";
  SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CopyFileA(from.c_str(), beside.c_str(), FALSE)) {
    DeleteFileA(beside.c_str());
    return false;
  }
  SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!MoveFileExA(beside.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(beside.c_str());
    return false;
  }
  return true;
}

bool Win32BootFiles::Remove(const std::string& path) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32BootFiles::SetAttributes(const std::string& path, std::uint32_t attributes) {
  // 0 is "normal" to the page; the call wants FILE_ATTRIBUTE_NORMAL for it.
  return SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes) != 0;
}

bool Win32BootFiles::Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace kv
