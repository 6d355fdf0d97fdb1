// The small file-system seam of the loaders: does a file exist, read a file whole.
// StdioFileSystem is the real one (C runtime, ANSI paths on Windows); tests use MemoryFileSystem.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace kv {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(const std::string& path) const = 0;
  // Reads the whole file in one pass; false (and no bytes) when it cannot be opened or read.
  virtual bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) const = 0;
};

class StdioFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) const override;
  bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) const override;
};

// Files held in memory by exact path, for tests.
class MemoryFileSystem : public FileSystem {
 public:
  void Put(const std::string& path, std::vector<std::uint8_t> bytes) { files_[path] = std::move(bytes); }
  void Remove(const std::string& path) { files_.erase(path); }
  bool Exists(const std::string& path) const override { return files_.count(path) != 0; }
  bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) const override;

 private:
  std::map<std::string, std::vector<std::uint8_t>> files_;
};

}  // namespace kv
