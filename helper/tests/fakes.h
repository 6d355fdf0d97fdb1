// Test doubles for the helper's seams: an in-memory file store, an in-memory folder tree with an
// operation log, and an in-memory registry that accepts the short root names.
#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"
#include "app/restore/tests/memory_file_store.h"
#include "helper/core/folder_system.h"
#include "helper/core/resident_mode.h"

namespace kv::helper::test {

using MemoryFileStore = kv::test::MemoryFileStore;  // the restore tests' file store in memory

// Paths are kept without a trailing backslash; a directory is any path with the directory bit.
class FakeFolders : public FolderSystem {
 public:
  void AddDirectory(const std::string& path, std::uint32_t attributes = kAttributeDirectory) {
    items[Strip(path)] = attributes | kAttributeDirectory;
  }
  // Files are older than the system's start unless given a time.
  void AddFile(const std::string& path, std::uint32_t attributes = 0x20, std::uint64_t time = kOldTime) {
    items[Strip(path)] = attributes;
    times[Strip(path)] = time;
  }
  bool Has(const std::string& path) const { return items.count(Strip(path)) != 0; }

  bool DirectoryExists(const std::string& path) override {
    auto it = items.find(Strip(path));
    return it != items.end() && (it->second & kAttributeDirectory);
  }
  std::vector<DirectoryEntry> List(const std::string& directory, const std::string& pattern) override {
    log.push_back("list " + directory + pattern);
    std::vector<DirectoryEntry> entries;
    if (!DirectoryExists(directory)) return entries;
    entries.push_back({".", kAttributeDirectory});
    entries.push_back({"..", kAttributeDirectory});
    for (const std::string& child : Children(directory)) {
      entries.push_back({child.substr(Strip(directory).size() + 1) + listingPadding, items[child], times[child]});
    }
    return entries;
  }
  bool SetNormalAttributes(const std::string& path) override {
    log.push_back("normal " + path);
    auto it = items.find(Strip(path));
    if (it == items.end()) return false;
    it->second = (it->second & kAttributeDirectory) ? kAttributeDirectory : 0x80;
    return true;
  }
  bool RemoveFile(const std::string& path) override {
    log.push_back("delete " + path);
    auto it = items.find(Strip(path));
    if (it == items.end() || (it->second & (kAttributeDirectory | kAttributeReadOnly))) return false;
    items.erase(it);
    return true;
  }
  bool RemoveFolder(const std::string& path) override {
    log.push_back("rmdir " + path);
    if (!DirectoryExists(path) || !Children(path).empty()) return false;
    items.erase(Strip(path));
    return true;
  }
  bool MakeFolder(const std::string& path) override {
    log.push_back("mkdir " + path);
    if (Has(path)) return false;
    AddDirectory(path);
    return true;
  }
  void PumpMessages() override { ++pumps; }
  std::uint64_t BootTime() override { return bootTime; }

  static constexpr std::uint64_t kOldTime = 1000;
  std::uint64_t bootTime = 5000;
  std::map<std::string, std::uint32_t> items;  // ordered: listings come out in name order
  std::map<std::string, std::uint64_t> times;
  std::vector<std::string> log;
  std::string listingPadding;  // appended to every listed name (a NUL and blanks, as fixed buffers give)
  int pumps = 0;

 private:
  static std::string Strip(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
  }
  std::vector<std::string> Children(const std::string& directory) const {
    const std::string prefix = Strip(directory) + "\\";
    std::vector<std::string> children;
    for (const auto& item : items) {
      if (item.first.rfind(prefix, 0) == 0 && item.first.find('\\', prefix.size()) == std::string::npos)
        children.push_back(item.first);
    }
    return children;
  }
};

// Records the resident mode's platform calls in order ("add <tip>", "remove", "start <path>", "menu",
// "end"); the shell's answer to AddIcon and the menu choice are set by the test.
class FakeResidentPlatform : public ResidentPlatform {
 public:
  bool AddIcon(const std::string& tip) override {
    log.push_back("add " + tip);
    return shellAccepts;
  }
  void RemoveIcon() override { log.push_back("remove"); }
  bool FileExists(const std::string& path) override { return existing.count(path) != 0; }
  void StartProgram(const std::string& path) override { log.push_back("start " + path); }
  int TrackMenu(const std::vector<TrayMenuEntry>& entries) override {
    log.push_back("menu");
    shownMenu = entries;
    if (duringMenu) duringMenu();
    return menuChoice;
  }
  void End() override { log.push_back("end"); }

  bool shellAccepts = true;
  int menuChoice = kMenuNone;
  std::function<void()> duringMenu;  // runs inside the menu's modal loop
  std::map<std::string, bool> existing;
  std::vector<TrayMenuEntry> shownMenu;
  std::vector<std::string> log;
};

class FakeTree : public KeepAliveTree {
 public:
  long ListCount() override { return static_cast<long>(lines.size()); }
  void AddNode(const std::string& text, short position, short level) override {
    log.push_back("add " + text + " " + std::to_string(position) + " " + std::to_string(level));
    lines.push_back(text);
  }
  void RemoveNode(long index) override {
    log.push_back("remove " + std::to_string(index));
    if (index >= 0 && index < ListCount()) lines.erase(lines.begin() + index);
  }
  std::vector<std::string> lines;
  std::vector<std::string> log;
};

struct HelperRegistry {
  MemoryRegistryStore store;
  Registry registry{store, RootNames::LongAndShort};
};

}  // namespace kv::helper::test
