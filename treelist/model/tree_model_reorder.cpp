// Tree-list model: moving a branch and sorting siblings. Branches always move whole, so the
// depth-first order and the levels inside a branch stay as they were.
#include <algorithm>
#include <cwctype>
#include <new>
#include <vector>

#include "treelist/model/tree_model.h"

namespace kv::tree {

namespace {
enum MoveType { kMoveBefore = 0, kMoveAfter = 1, kMoveIntoAsLast = 2 };

int CompareText(const std::wstring& a, const std::wstring& b, bool caseSensitive) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    wint_t x = caseSensitive ? wint_t(a[i]) : std::towlower(wint_t(a[i]));
    wint_t y = caseSensitive ? wint_t(b[i]) : std::towlower(wint_t(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
}  // namespace

bool TreeModel::MoveNode(Index source, Index target, int type) {
  const bool valid = nodes_.Valid(source) && nodes_.Valid(target) && type >= kMoveBefore && type <= kMoveIntoAsLast;
  const Index end = valid ? nodes_.SubtreeEnd(source) : 0;
  if (!valid || (target >= source && target < end)) {
    Error(kErrMoveNode, source);
    return false;
  }
  const Index count = end - source;
  const int16_t newLevel = static_cast<int16_t>(nodes_.At(target).level + (type == kMoveIntoAsLast ? 1 : 0));
  const int16_t delta = static_cast<int16_t>(newLevel - nodes_.At(source).level);
  try {
    EndEdit();
    std::vector<Node> branch = nodes_.Extract(source, count);
    for (Node& node : branch) node.level = static_cast<int16_t>(node.level + delta);
    const Index shiftedTarget = target > source ? target - count : target;
    const Index at = type == kMoveBefore ? shiftedTarget : nodes_.SubtreeEnd(shiftedTarget);
    nodes_.InsertRange(at, std::move(branch));
    if (type == kMoveIntoAsLast) nodes_.At(shiftedTarget).Set(kIsParent, true);
    // The selection stays on its node.
    if (selected_ >= source && selected_ < end) {
      selected_ = at + (selected_ - source);
    } else {
      if (selected_ >= end) selected_ -= count;
      if (selected_ >= at) selected_ += count;
    }
  } catch (const std::bad_alloc&) {
    Error(kErrMoveNode, source);
    return false;
  }
  searchPosition_ = 0;
  Changed();
  return true;
}

// Sorts the children of `parent` only; returns them in their new order.
std::vector<Index> TreeModel::SortChildren(Index parent, bool ascending, bool caseSensitive) {
  const Index first = parent < 0 ? 0 : parent + 1;
  const Index end = parent < 0 ? nodes_.Count() : nodes_.SubtreeEnd(parent);
  if (first >= end) return {};
  // The children's branches as [start, end) blocks, in order.
  std::vector<std::pair<Index, Index>> blocks;
  for (Index child = first; child >= 0 && child < end; child = nodes_.NextSibling(child)) {
    blocks.emplace_back(child, nodes_.SubtreeEnd(child));
  }
  const int column = sortColumn_ > 0 ? sortColumn_ : 1;
  std::vector<std::wstring> keys;
  keys.reserve(blocks.size());
  for (const auto& block : blocks) keys.push_back(DisplayColumnText(block.first, column));
  std::vector<size_t> order(blocks.size());
  for (size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    int c = CompareText(keys[a], keys[b], caseSensitive);
    return ascending ? c < 0 : c > 0;
  });
  std::vector<Index> children;
  children.reserve(blocks.size());
  bool unchanged = true;
  for (size_t k = 0; k < order.size(); ++k) unchanged = unchanged && order[k] == k;
  if (unchanged) {
    for (const auto& block : blocks) children.push_back(block.first);
    return children;  // already in order: nothing moves
  }
  std::vector<Node> run;
  run.reserve(size_t(end - first));
  Index newSelected = selected_;
  for (size_t k : order) {
    for (Index i = blocks[k].first; i < blocks[k].second; ++i) {
      if (i == selected_) newSelected = first + Index(run.size());
      run.push_back(std::move(nodes_.At(i)));
    }
  }
  nodes_.Replace(first, std::move(run));
  selected_ = newSelected;
  for (Index child = first; child >= 0 && child < end; child = nodes_.NextSibling(child)) children.push_back(child);
  return children;
}

void TreeModel::Sort(Index index, bool deep, bool ascending, bool caseSensitive) {
  if (index != -1 && !ValidNode(index)) return;
  try {
    // A work list instead of recursion: a chain of nodes may be thousands of levels deep. Sorting
    // one node's children moves nodes only inside its own branch, so pending indexes stay valid.
    std::vector<Index> pending{index};
    while (!pending.empty()) {
      Index parent = pending.back();
      pending.pop_back();
      std::vector<Index> children = SortChildren(parent, ascending, caseSensitive);
      if (deep) pending.insert(pending.end(), children.begin(), children.end());
    }
  } catch (const std::bad_alloc&) {
    Error(kErrOutOfMemory, index);
    return;
  }
  searchPosition_ = 0;
  Changed();
}

}  // namespace kv::tree
