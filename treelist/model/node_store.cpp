// Node array structure: parent links, sibling walks and the visible-line cache.
#include "treelist/model/node_store.h"

#include <algorithm>

namespace kv::tree {

namespace {
// The nearest earlier node with a lower level than node `i`, walking up from `i - 1`.
Index FindParent(const std::vector<Node>& nodes, Index i) {
  int16_t level = nodes[size_t(i)].level;
  Index candidate = i - 1;
  while (candidate >= 0 && nodes[size_t(candidate)].level >= level) candidate = nodes[size_t(candidate)].parent;
  return candidate;
}
}  // namespace

void NodeStore::Relink(Index from, Index to) {
  branchEndsValid_ = false;  // every structural change relinks
  if (to < 0 || to > Count()) to = Count();
  for (Index i = from; i < to; ++i) {
    Index parent = FindParent(nodes_, i);
    nodes_[size_t(i)].parent = parent;
    if (parent >= 0) nodes_[size_t(parent)].Set(kIsParent, true);
  }
}

void NodeStore::Insert(Index position, Node&& node) {
  const bool append = position >= Count();
  if (append && visibleValid_) {
    nodes_.push_back(std::move(node));
    Relink(Count() - 1);
    // Appending is the common case (filling a list): keep the visible-line cache.
    const Node& added = At(Count() - 1);
    if (added.parent < 0 || (At(added.parent).Has(kExpanded) && LineOf(added.parent) >= 0))
      visible_.push_back(Count() - 1);
    return;
  }
  std::vector<Node> run;
  run.push_back(std::move(node));
  InsertRange(position, std::move(run));
}

void NodeStore::InsertRange(Index position, std::vector<Node>&& run) {
  if (run.empty()) return;
  const Index at = std::clamp<Index>(position, 0, Count());
  // Nodes on the path above the insertion point may lose their children to the new nodes.
  std::vector<Index> hadChildren;
  for (Index p = at - 1; p >= 0; p = At(p).parent) {
    if (HasChildren(p)) hadChildren.push_back(p);
  }
  nodes_.insert(nodes_.begin() + at, std::make_move_iterator(run.begin()), std::make_move_iterator(run.end()));
  Relink(at);
  for (Index p : hadChildren) {
    if (!HasChildren(p)) At(p).Set(kIsParent, false);
  }
  visibleValid_ = false;
}

std::vector<Node> NodeStore::Extract(Index first, Index count) {
  std::vector<Node> taken;
  if (count <= 0 || !Valid(first)) return taken;
  Index last = std::min<Index>(first + count, Count());
  taken.assign(std::make_move_iterator(nodes_.begin() + first), std::make_move_iterator(nodes_.begin() + last));
  Remove(first, last - first);
  return taken;
}

void NodeStore::Replace(Index first, std::vector<Node>&& run) {
  Index end = first;
  for (size_t k = 0; k < run.size() && Valid(first + Index(k)); ++k, ++end) At(first + Index(k)) = std::move(run[k]);
  // Whole branches were reordered inside [first, end): links outside it stay as they were.
  Relink(first, end);
  visibleValid_ = false;
}

void NodeStore::Remove(Index first, Index count) {
  if (count <= 0 || !Valid(first)) return;
  Index last = std::min<Index>(first + count, Count());
  Index parent = At(first).parent;
  nodes_.erase(nodes_.begin() + first, nodes_.begin() + last);
  Relink(first);
  if (parent >= 0 && !HasChildren(parent)) At(parent).Set(kIsParent, false);
  visibleValid_ = false;
}

void NodeStore::Clear() {
  branchEndsValid_ = false;
  nodes_.clear();
  visible_.clear();
  visibleValid_ = true;
}

void NodeStore::BuildBranchEnds() const {
  if (branchEndsValid_) return;
  branchEnds_.assign(nodes_.size(), Count());
  std::vector<Index> open;
  for (Index i = 0; i < Count(); ++i) {
    while (!open.empty() && At(open.back()).level >= At(i).level) {
      branchEnds_[size_t(open.back())] = i;
      open.pop_back();
    }
    open.push_back(i);
  }
  branchEndsValid_ = true;
}

Index NodeStore::SubtreeEnd(Index i) const {
  if (!Valid(i)) return i;
  if (branchEndsValid_) return branchEnds_[size_t(i)];
  int16_t level = At(i).level;
  Index j = i + 1;
  while (j < Count() && At(j).level > level) ++j;
  return j;
}

Index NodeStore::ChildCount(Index i) const {
  Index count = 0;
  for (Index child = HasChildren(i) ? i + 1 : -1; child >= 0; child = NextSibling(child)) ++count;
  return count;
}

Index NodeStore::FirstSibling(Index i) const {
  if (!Valid(i)) return -1;
  Index parent = At(i).parent;
  return parent < 0 ? 0 : parent + 1;
}

Index NodeStore::PreviousSibling(Index i) const {
  if (!Valid(i)) return -1;
  Index parent = At(i).parent;
  for (Index x = i - 1; x >= 0 && x != parent; x = At(x).parent) {
    if (At(x).parent == parent) return x;
  }
  return -1;
}

Index NodeStore::NextSibling(Index i) const {
  if (!Valid(i)) return -1;
  Index j = SubtreeEnd(i);
  return (j < Count() && At(j).parent == At(i).parent) ? j : -1;
}

Index NodeStore::LastSibling(Index i) const {
  if (!Valid(i)) return -1;
  Index last = i;
  for (Index next = NextSibling(i); next >= 0; next = NextSibling(next)) last = next;
  return last;
}

Index NodeStore::RootOf(Index i) const {
  if (!Valid(i)) return -1;
  while (At(i).parent >= 0) i = At(i).parent;
  return i;
}

Index NodeStore::PositionAmongSiblings(Index i) const {
  if (!Valid(i)) return 0;
  Index position = 1;
  for (Index x = PreviousSibling(i); x >= 0; x = PreviousSibling(x)) ++position;
  return position;
}

Index NodeStore::ChildAt(Index parent, Index position) const {
  if (!HasChildren(parent) || position < 1) return -1;
  Index child = parent + 1;
  for (Index k = 1; k < position && child >= 0; ++k) child = NextSibling(child);
  return child;
}

bool NodeStore::IsVisible(Index i) const {
  if (!Valid(i)) return false;
  for (Index p = At(i).parent; p >= 0; p = At(p).parent) {
    if (!At(p).Has(kExpanded)) return false;
  }
  return true;
}

void NodeStore::SetExpanded(Index i, bool expanded) {
  if (!Valid(i) || At(i).Has(kExpanded) == expanded) return;
  At(i).Set(kExpanded, expanded);
  if (HasChildren(i)) visibleValid_ = false;
}

void NodeStore::EnsureVisibleLines() const {
  if (visibleValid_) return;
  visible_.clear();
  for (Index i = 0; i < Count();) {
    visible_.push_back(i);
    i = At(i).Has(kExpanded) ? i + 1 : SubtreeEnd(i);
  }
  visibleValid_ = true;
}

Index NodeStore::VisibleCount() const {
  EnsureVisibleLines();
  return static_cast<Index>(visible_.size());
}

Index NodeStore::VisibleNode(Index line) const {
  EnsureVisibleLines();
  return (line >= 0 && line < static_cast<Index>(visible_.size())) ? visible_[size_t(line)] : -1;
}

Index NodeStore::LineOf(Index node) const {
  if (!Valid(node)) return -1;
  EnsureVisibleLines();
  auto it = std::lower_bound(visible_.begin(), visible_.end(), node);
  return (it != visible_.end() && *it == node) ? static_cast<Index>(it - visible_.begin()) : -1;
}

Index NodeStore::VisibleAfter(Index node) const {
  EnsureVisibleLines();
  auto it = std::upper_bound(visible_.begin(), visible_.end(), node);
  return it == visible_.end() ? -1 : *it;
}

Index NodeStore::VisibleBefore(Index node) const {
  EnsureVisibleLines();
  auto it = std::lower_bound(visible_.begin(), visible_.end(), node);
  return it == visible_.begin() ? -1 : *(it - 1);
}

std::string NodeStore::CheckInvariants() const {
  for (Index i = 0; i < Count(); ++i) {
    const Node& node = At(i);
    if (node.level < 1) return "node " + std::to_string(i) + " has level below 1";
    if (i == 0 && node.level != 1) return "first node is not at level 1";
    if (node.parent != FindParent(nodes_, i)) return "node " + std::to_string(i) + " has a wrong parent link";
    if (node.parent >= i) return "node " + std::to_string(i) + " has a parent after it";
    if (HasChildren(i) && !node.Has(kIsParent)) return "node " + std::to_string(i) + " has children but no flag";
  }
  if (branchEndsValid_) {
    for (Index i = 0; i < Count(); ++i) {
      Index end = i + 1;
      while (end < Count() && At(end).level > At(i).level) ++end;
      if (branchEnds_[size_t(i)] != end) return "branch-end table is stale at node " + std::to_string(i);
    }
  }
  if (visibleValid_) {
    std::vector<Index> cached = visible_;
    visibleValid_ = false;
    EnsureVisibleLines();
    if (cached != visible_) return "visible-line cache is stale";
  }
  return {};
}

}  // namespace kv::tree
