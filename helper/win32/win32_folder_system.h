// The startup cleaning's file-system calls on Windows (FindFirstFile listing, attributes, deletion).
#pragma once

#include "helper/core/folder_system.h"

namespace kv::helper {

class Win32FolderSystem : public FolderSystem {
 public:
  bool DirectoryExists(const std::string& path) override;
  std::vector<DirectoryEntry> List(const std::string& directory, const std::string& pattern) override;
  bool SetNormalAttributes(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool RemoveFolder(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  void PumpMessages() override;
  std::uint64_t BootTime() override;
};

}  // namespace kv::helper
