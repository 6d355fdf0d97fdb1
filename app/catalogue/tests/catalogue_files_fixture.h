// Test helper: a hand-built function database (records, captions, page index) written as the three
// catalogue files, into the in-memory file system or into a real folder.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/file_system.h"

namespace kv::test {

struct CatalogueFiles {
  std::vector<FunctionRecord> functions;
  GroupCaptionTable captions{};
  PageFunctionTable index{};

  void PutInto(MemoryFileSystem& files, const std::string& folder) const {
    files.Put(folder + kFunctionFileName, EncodeFunctionFile(functions));
    files.Put(folder + kGroupCaptionFileName, EncodeGroupCaptionFile(captions));
    files.Put(folder + kPageIndexFileName, EncodePageIndexFile(index));
  }

  // Writes the files into an existing folder (ending with a path separator).
  bool WriteToFolder(const std::string& folder) const {
    return WriteFile(folder + kFunctionFileName, EncodeFunctionFile(functions)) &&
           WriteFile(folder + kGroupCaptionFileName, EncodeGroupCaptionFile(captions)) &&
           WriteFile(folder + kPageIndexFileName, EncodePageIndexFile(index));
  }

  static bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
  }
};

}  // namespace kv::test
