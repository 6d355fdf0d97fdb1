// LoadDirectory: fills the tree with a folder's contents (sub-folders as collapsed parents, their
// contents below them, then files), so that Path(node) with the path separator names the entry
// relative to the loaded folder. The file system is reached through DirectoryLister.
#pragma once

#include <string>
#include <vector>

#include "treelist/model/tree_model.h"

namespace kv::tree {

struct DirectoryEntry {
  std::wstring name;
  bool folder = false;
};

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // The entries of `path` (without "." and ".."), in any order; empty when it cannot be read.
  virtual std::vector<DirectoryEntry> List(const std::wstring& path) const = 0;
};

// Appends the contents of `root` at level 1; folders before files, each sorted by name without
// regard to case. Stops after `limit` nodes (a whole drive would otherwise be read). Returns the
// number of nodes added.
Index LoadDirectory(TreeModel& model, const std::wstring& root, const std::wstring& separator,
                    const DirectoryLister& lister, Index limit = 20000);

}  // namespace kv::tree
