// Standard-library file store and the atomic file replacement (see file_store.h).
#include "app/restore/file_store.h"

#include <cstdio>

namespace kv {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
}

bool StdioFileStore::Exists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

bool StdioFileStore::ReadAll(const std::string& path, std::vector<std::uint8_t>* bytes) {
  bytes->clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::uint8_t buffer[kChunk];
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, f);
    bytes->insert(bytes->end(), buffer, buffer + got);
    if (got < sizeof buffer) {
      ok = std::ferror(f) == 0;
      break;
    }
  }
  std::fclose(f);
  return ok;
}

bool StdioFileStore::WriteChunk(std::FILE* file, const std::uint8_t* data, std::size_t size) {
  return std::fwrite(data, 1, size, file) == size;
}

std::FILE* StdioFileStore::OpenNew(const std::string& path) { return std::fopen(path.c_str(), "wb"); }

bool StdioFileStore::CloseFile(std::FILE* file) { return std::fclose(file) == 0; }

bool StdioFileStore::WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = OpenNew(path);
  if (!f) return false;
  bool ok = true;
  for (std::size_t pos = 0; ok && pos < bytes.size(); pos += kChunk) {
    const std::size_t size = bytes.size() - pos < kChunk ? bytes.size() - pos : kChunk;
    ok = WriteChunk(f, bytes.data() + pos, size);
  }
  ok = std::fflush(f) == 0 && ok;
  ok = ok && FlushToDisk(f);
  ok = CloseFile(f) && ok;
  return ok;
}

bool StdioFileStore::FlushToDisk(std::FILE*) { return true; }

bool StdioFileStore::Replace(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0;
}

void StdioFileStore::Remove(const std::string& path) { std::remove(path.c_str()); }

std::string TemporaryPathFor(const std::string& path) { return path + ".kvtmp"; }

bool ReplaceFileAtomically(FileStore& files, const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = TemporaryPathFor(path);
  if (!files.WriteNew(temporary, bytes) || !files.Replace(temporary, path)) {
    files.Remove(temporary);
    return false;
  }
  return true;
}

}  // namespace kv
