// A file store in memory for the restore tests: files are byte vectors by path.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/restore/file_store.h"

namespace kv::test {

class MemoryFileStore : public FileStore {
 public:
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
  bool ReadAll(const std::string& path, std::vector<std::uint8_t>* bytes) override {
    auto it = files.find(path);
    if (it == files.end()) return false;
    *bytes = it->second;
    return true;
  }
  bool WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) override {
    if (diskFull) return false;
    files[path] = bytes;
    return true;
  }
  bool Replace(const std::string& from, const std::string& to) override {
    auto it = files.find(from);
    if (it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
  }
  void Remove(const std::string& path) override { files.erase(path); }

  std::map<std::string, std::vector<std::uint8_t>> files;
  bool diskFull = false;  // every write fails
};

}  // namespace kv::test
