// The file system seen through FindFirstFileW, for LoadDirectory.
#pragma once

#include "treelist/model/directory_loader.h"

namespace kv::tree {

class Win32DirectoryLister : public DirectoryLister {
 public:
  std::vector<DirectoryEntry> List(const std::wstring& path) const override;
};

}  // namespace kv::tree
