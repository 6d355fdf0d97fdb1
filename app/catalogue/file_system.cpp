// File-system seam implementations: C runtime files and an in-memory map.
#include "app/catalogue/file_system.h"

#include <cstdio>

namespace kv {

bool StdioFileSystem::Exists(const std::string& path) const {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

bool StdioFileSystem::ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) const {
  bytes->clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    std::size_t got = std::fread(chunk, 1, sizeof(chunk), f);
    bytes->insert(bytes->end(), chunk, chunk + got);
    if (got < sizeof(chunk)) {
      ok = std::ferror(f) == 0;
      break;
    }
  }
  std::fclose(f);
  if (!ok) bytes->clear();
  return ok;
}

bool MemoryFileSystem::ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) const {
  auto file = files_.find(path);
  if (file == files_.end()) {
    bytes->clear();
    return false;
  }
  *bytes = file->second;
  return true;
}

}  // namespace kv
