// The five deliverables exist next to the test, carry a VERSIONINFO resource, load (libraries)
// and start and end (programs) under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// The names of the libraries a program's import table lists (upper case), read from the file.
std::vector<std::string> ImportedLibraries(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto at = [&](std::size_t offset, std::size_t size) { return offset + size <= image.size() ? &image[offset] : nullptr; };
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(at(0, sizeof(IMAGE_DOS_HEADER)));
  if (!dos) return {};
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(at(dos->e_lfanew, sizeof(IMAGE_NT_HEADERS64)));
  if (!nt) return {};
  const auto* sections = reinterpret_cast<const IMAGE_SECTION_HEADER*>(
      at(dos->e_lfanew + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader,
         nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER)));
  if (!sections) return {};
  auto fileOffset = [&](DWORD rva) -> std::size_t {
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& s = sections[i];
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData) return rva - s.VirtualAddress + s.PointerToRawData;
    }
    return image.size();
  };
  std::vector<std::string> names;
  const DWORD table = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (std::size_t offset = fileOffset(table);; offset += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(offset, sizeof(IMAGE_IMPORT_DESCRIPTOR)));
    if (!entry || entry->Name == 0) break;
    const char* name = at(fileOffset(entry->Name), 1);
    if (!name) break;
    std::string upper(name, strnlen(name, static_cast<std::size_t>(&image.back() - name) + 1));
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    names.push_back(upper);
  }
  return names;
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
  const std::vector<std::string> imports = ImportedLibraries(BinDir() + "korvn2k.exe");
  ASSERT_NE(std::find(imports.begin(), imports.end(), "USER32.DLL"), imports.end());
  EXPECT_EQ(std::find(imports.begin(), imports.end(), "SHELL32.DLL"), imports.end());
  EXPECT_EQ(std::find(imports.begin(), imports.end(), "WINMM.DLL"), imports.end());
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
