// Directory loading into the tree-list, depth first with an explicit work list.
#include "treelist/model/directory_loader.h"

#include <algorithm>
#include <cwctype>

namespace kv::tree {

namespace {
bool Before(const DirectoryEntry& a, const DirectoryEntry& b) {
  if (a.folder != b.folder) return a.folder;
  size_t n = std::min(a.name.size(), b.name.size());
  for (size_t i = 0; i < n; ++i) {
    wint_t x = std::towlower(wint_t(a.name[i])), y = std::towlower(wint_t(b.name[i]));
    if (x != y) return x < y;
  }
  return a.name.size() < b.name.size();
}

struct Pending {
  std::wstring path;
  int level;
  std::vector<DirectoryEntry> entries;  // sorted, consumed from the front
  size_t next = 0;
};
}  // namespace

Index LoadDirectory(TreeModel& model, const std::wstring& root, const std::wstring& separator,
                    const DirectoryLister& lister, Index limit) {
  Index added = 0;
  std::vector<Pending> stack;
  auto open = [&](const std::wstring& path, int level) {
    Pending p{path, level, lister.List(path), 0};
    std::sort(p.entries.begin(), p.entries.end(), Before);
    stack.push_back(std::move(p));
  };
  open(root, 1);
  while (!stack.empty() && added < limit) {
    Pending& top = stack.back();
    if (top.next >= top.entries.size()) {
      stack.pop_back();
      continue;
    }
    const DirectoryEntry entry = top.entries[top.next++];
    const int level = top.level;
    const bool endsWithSeparator =
        !separator.empty() && top.path.size() >= separator.size() &&
        top.path.compare(top.path.size() - separator.size(), separator.size(), separator) == 0;
    const std::wstring path = top.path + (endsWithSeparator ? L"" : separator) + entry.name;
    Index node = model.AddNode(entry.name, kAppend, level);
    if (node < 0) break;
    ++added;
    if (entry.folder) {
      model.SetNode(NodeField::IsParent, node, 1);
      if (level < 0x7FFE) open(path, level + 1);  // `top` may move: not used after this
    }
  }
  return added;
}

}  // namespace kv::tree
