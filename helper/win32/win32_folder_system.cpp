// Windows file-system calls of the startup cleaning (see win32_folder_system.h).
#include "helper/win32/win32_folder_system.h"

#include <windows.h>

#include <algorithm>

#include "helper/win32/message_pump.h"

namespace kv::helper {

namespace {
std::uint64_t FileTimeValue(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}
}  // namespace

bool Win32FolderSystem::DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<DirectoryEntry> Win32FolderSystem::List(const std::string& directory, const std::string& pattern) {
  std::vector<DirectoryEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({found.cFileName, found.dwFileAttributes,
                       (std::max)(FileTimeValue(found.ftCreationTime), FileTimeValue(found.ftLastWriteTime))});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

bool Win32FolderSystem::SetNormalAttributes(const std::string& path) {
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool Win32FolderSystem::RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool Win32FolderSystem::RemoveFolder(const std::string& path) { return RemoveDirectoryA(path.c_str()) != FALSE; }

bool Win32FolderSystem::MakeFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

void Win32FolderSystem::PumpMessages() { PumpPendingMessages(); }

// Now minus the milliseconds since the start. The count wraps after 49.7 days (NT 4 has no 64-bit
// one); the time it gives is then later than the real start, which only keeps more files.
std::uint64_t Win32FolderSystem::BootTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t since = static_cast<std::uint64_t>(GetTickCount()) * 10000;
  const std::uint64_t value = FileTimeValue(now);
  return value > since ? value - since : 0;
}

}  // namespace kv::helper
