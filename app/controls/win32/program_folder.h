// Where our own libraries are loaded from: the folder of the running program, by full path. Without
// a known program path there is no library to load (a bare name would be searched for in the current
// folder and along PATH).
#pragma once

#include <windows.h>

#include <string>

namespace kv {

// Full path of `file` in the running program's folder; empty when that folder is not known.
inline std::wstring ProgramFolderFile(const wchar_t* file) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  const std::wstring program(path, length);
  const std::size_t slash = program.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : program.substr(0, slash + 1) + file;
}

// LoadLibrary of our own library beside the program; nullptr when it is not there.
inline HMODULE LoadProgramFolderLibrary(const wchar_t* file) {
  const std::wstring path = ProgramFolderFile(file);
  return path.empty() ? nullptr : LoadLibraryW(path.c_str());
}

}  // namespace kv
