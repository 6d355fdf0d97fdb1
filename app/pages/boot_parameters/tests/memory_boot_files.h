// In-memory file access for the Boot parameters tests: files by exact path with their attributes,
// paths that refuse writing (a full disk, a locked file) or refuse the copy step, and a log of calls.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/pages/boot_parameters/core/boot_files.h"

namespace kv {

class MemoryBootFiles : public BootFileAccess {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::uint32_t> attributes;
  std::set<std::string> unwritable;   // Write and ReplaceWithCopy to these paths fail
  std::set<std::string> unreadable;   // Read of these paths fails although they exist
  std::size_t writeLimit = std::string::npos;  // Write keeps only this many bytes and reports success
  std::vector<std::string> log;
  std::function<void(const std::string&)> afterRemove;  // another user acting right after a removal

  bool Read(const std::string& path, std::string* text) override {
    log.push_back("read " + path);
    text->clear();
    auto it = files.find(path);
    if (it == files.end() || unreadable.count(path)) return false;
    *text = it->second;
    return true;
  }
  bool Write(const std::string& path, const std::string& text) override {
    log.push_back("write " + path);
    if (unwritable.count(path)) return false;
    files[path] = text.substr(0, writeLimit);
    return true;
  }
  bool CreateNew(const std::string& path, const std::string& text) override {
    log.push_back("create " + path);
    if (files.count(path)) return false;
    return Write(path, text);
  }
  bool ReplaceWithCopy(const std::string& from, const std::string& to) override {
    log.push_back("copy " + from + " " + to);
    auto it = files.find(from);
    if (it == files.end() || unwritable.count(to)) return false;
    if (attributes[to] & 1) return false;  // read-only target
    files[to] = it->second;
    return true;
  }
  bool Remove(const std::string& path) override {
    log.push_back("delete " + path);
    attributes.erase(path);
    const bool removed = files.erase(path) != 0;
    if (afterRemove) afterRemove(path);
    return removed;
  }
  bool SetAttributes(const std::string& path, std::uint32_t value) override {
    log.push_back("attributes " + path + " " + std::to_string(value));
    if (!files.count(path)) return false;
    attributes[path] = value;
    return true;
  }
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
};

}  // namespace kv
