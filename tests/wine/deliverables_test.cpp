// The five deliverables exist next to the test, carry a VERSIONINFO resource, load (libraries)
// and start and end (programs) under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "tools/floorcheck/pe_image.h"

namespace {

std::string BinDir() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string VersionString(const std::string& file, const char* field) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return {};
  char* value = nullptr;
  UINT length = 0;
  std::string query = std::string("\\StringFileInfo\\040904E4\\") + field;
  if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return {};
  return std::string(value);
}

// The libraries a program imports from (lower case, plainly or delay-loaded), read from the file.
std::set<std::string> ImportedLibraries(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::set<std::string> libraries;
  for (const auto& f : kv::floorcheck::ReadPeImage(bytes).Image.Imports) libraries.insert(f.Library);
  return libraries;
}

class Deliverable : public testing::TestWithParam<const char*> {};

TEST_P(Deliverable, CarriesVersionInfoNamingItself) {
  std::string file = BinDir() + GetParam();
  EXPECT_EQ(VersionString(file, "OriginalFilename"), GetParam());
  EXPECT_EQ(VersionString(file, "ProductName"), "Korvane 2000");
}

INSTANTIATE_TEST_SUITE_P(All, Deliverable,
                         testing::Values("korvn2k.exe", "korvnst.exe", "korvndlg.dll", "kvtree.dll",
                                         "kvslide.dll"));

// The main program's start loads no library it does not need before its window shows: the shell and
// the sound libraries are loaded on first use (the shell alone costs about 10 ms under Wine).
TEST(MainProgram, ImportsNeitherTheShellNorTheSoundLibrary) {
  const std::set<std::string> imports = ImportedLibraries(BinDir() + "korvn2k.exe");
  ASSERT_EQ(imports.count("user32.dll"), 1u);
  EXPECT_EQ(imports.count("shell32.dll"), 0u);
  EXPECT_EQ(imports.count("winmm.dll"), 0u);
}

TEST(Libraries, LoadAndExportTheComEntryPoints) {
  for (const char* name : {"korvndlg.dll", "kvtree.dll", "kvslide.dll"}) {
    HMODULE module = LoadLibraryA((BinDir() + name).c_str());
    ASSERT_NE(module, nullptr) << name;
    EXPECT_NE(GetProcAddress(module, "DllCanUnloadNow"), nullptr) << name;
    FreeLibrary(module);
  }
}

}  // namespace
