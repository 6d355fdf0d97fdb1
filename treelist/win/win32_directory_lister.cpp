// Folder listing with FindFirstFileW / FindNextFileW.
#include "treelist/win/win32_directory_lister.h"

#include <windows.h>

namespace kv::tree {

std::vector<DirectoryEntry> Win32DirectoryLister::List(const std::wstring& path) const {
  std::vector<DirectoryEntry> entries;
  std::wstring pattern = path;
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    entries.push_back(DirectoryEntry{name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return entries;
}

}  // namespace kv::tree
