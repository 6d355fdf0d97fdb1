// Boot file access on the Windows file system (see win32_boot_files.h).
#include "app/pages/boot_parameters/win32/win32_boot_files.h"

#include <windows.h>

#include <vector>

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

namespace {

// A file system that keeps no security (FAT, where many NT boot files live) has nothing to copy.
bool NoSecurityHere(DWORD error) {
  return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION || error == ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

// Writes the whole text into a file opened with `disposition` (CREATE_ALWAYS or CREATE_NEW);
// `opened` tells whether the file was ours to write at all.
bool Win32BootFiles::WriteWhole(const std::string& path, const std::string& text, unsigned long disposition,
                                bool* opened) {
  void* file = OpenForWriting(path, disposition);
  *opened = file != nullptr;
  if (!*opened) return false;
  bool ok = text.empty() || WriteBytes(file, text);
  ok = FlushToDisk(file) && ok;
  ok = CloseFile(file) && ok;
  return ok;
}

void* Win32BootFiles::OpenForWriting(const std::string& path, unsigned long disposition) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

bool Win32BootFiles::WriteBytes(void* file, const std::string& text) {
  DWORD written = 0;
  return WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

bool Win32BootFiles::FlushToDisk(void* file) { return FlushFileBuffers(file) != 0; }

bool Win32BootFiles::CloseFile(void* file) { return CloseHandle(file) != 0; }

bool Win32BootFiles::CopyBeside(const std::string& from, const std::string& beside) {
  return CopyFileA(from.c_str(), beside.c_str(), TRUE) != 0;  // TRUE: never into someone else's file
}

bool Win32BootFiles::MoveOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// Only the access list must arrive: setting the owner needs a privilege the user may not hold, and
// then the copy is owned by the user.
bool Win32BootFiles::CopySecurity(const std::string& from, const std::string& to) {
  const SECURITY_INFORMATION all = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;
  DWORD needed = 0;
  GetFileSecurityA(from.c_str(), all, nullptr, 0, &needed);
  if (needed == 0) return NoSecurityHere(GetLastError());
  std::vector<BYTE> descriptor(needed);
  if (!GetFileSecurityA(from.c_str(), all, descriptor.data(), needed, &needed)) return NoSecurityHere(GetLastError());
  if (SetFileSecurityA(to.c_str(), all, descriptor.data()) ||
      SetFileSecurityA(to.c_str(), GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, descriptor.data()) ||
      SetFileSecurityA(to.c_str(), DACL_SECURITY_INFORMATION, descriptor.data()))
    return true;
  return NoSecurityHere(GetLastError());
}

bool Win32BootFiles::Write(const std::string& path, const std::string& text) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // an old read-only copy is replaced too
  bool opened = false;
  return WriteWhole(path, text, CREATE_ALWAYS, &opened);
}

bool Win32BootFiles::CreateNew(const std::string& path, const std::string& text) {
  bool opened = false;
  if (WriteWhole(path, text, CREATE_NEW, &opened)) return true;
  if (opened) DeleteFileA(path.c_str());  // ours, but incomplete; a file someone else made is left alone
  return false;
}

bool Win32BootFiles::ReplaceWithCopy(const std::string& from, const std::string& to) {
  const std::string beside = to + ".$$$";
  Remove(beside);  // a leftover of an earlier try
  if (!CopyBeside(from, beside)) {
    DeleteFileA(beside.c_str());  // a copy that broke off part-way is not left lying about
    return false;
  }
  SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (Exists(to) && !CopySecurity(to, beside)) {
    DeleteFileA(beside.c_str());
    return false;
  }
  if (!MoveOver(beside, to)) {
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
