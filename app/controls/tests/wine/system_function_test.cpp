// System libraries are loaded from the system folder only: a library of the same name beside the
// program (where a bare-name load looks first) or in the current folder is never used.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/controls/win32/program_folder.h"
#include "app/controls/win32/system_function.h"

namespace kv {
namespace {

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  return std::string(path, length);
}

std::string Upper(std::string text) {
  CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

TEST(SystemLibraries, ComeFromTheSystemFolderNeverFromBesideTheProgram) {
  using ProbeFn = int(WINAPI*)();
  // The probe library is there beside the program and loads by its full path ...
  const std::wstring beside = ProgramFolderFile(L"kv_probe_library.dll");
  ASSERT_FALSE(beside.empty());
  ASSERT_NE(GetFileAttributesW(beside.c_str()), INVALID_FILE_ATTRIBUTES);
  // ... and from the current folder too; still the system loader does not take it.
  ASSERT_TRUE(SetCurrentDirectoryW(beside.substr(0, beside.find_last_of(L'\\')).c_str()));
  EXPECT_EQ(SystemLibrary("kv_probe_library.dll"), nullptr);
  EXPECT_EQ(SystemFunction<ProbeFn>("kv_probe_library.dll", "KvProbeAnswer"), nullptr);

  char folder[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryA(folder, MAX_PATH), 0u);
  const auto compact = SystemFunction<BOOL(WINAPI*)(HDC, LPSTR, UINT)>("shlwapi.dll", "PathCompactPathA");
  ASSERT_NE(compact, nullptr);
  EXPECT_EQ(Upper(ModulePath(SystemLibrary("shlwapi.dll"))), Upper(std::string(folder) + "\\SHLWAPI.DLL"));
  // Looked up by number as well (the shell's icon picker is ordinal 62).
  EXPECT_NE(SystemFunction<FARPROC>("shell32.dll", MAKEINTRESOURCEA(62)), nullptr);
}

}  // namespace
}  // namespace kv
