// The ordered node array of the tree-list: depth-first order with a level per node, parent links,
// structural queries (siblings, children, branches) and the mapping between visible lines and nodes.
#pragma once

#include <string>
#include <vector>

#include "treelist/model/node.h"

namespace kv::tree {

class NodeStore {
 public:
  Index Count() const { return static_cast<Index>(nodes_.size()); }
  bool Valid(Index i) const { return i >= 0 && i < Count(); }
  const Node& At(Index i) const { return nodes_[static_cast<size_t>(i)]; }
  Node& At(Index i) { return nodes_[static_cast<size_t>(i)]; }

  // Inserts `node` (its level already checked) at `position` (0 .. Count) and relinks the parents of
  // it and every later node. May throw std::bad_alloc, leaving the store unchanged.
  void Insert(Index position, Node&& node);
  // Inserts a run of nodes (levels already set) at `position`, relinking once.
  void InsertRange(Index position, std::vector<Node>&& run);
  // Takes nodes [first, first + count) out of the list (relinked as Remove does).
  std::vector<Node> Extract(Index first, Index count);
  // Replaces nodes [first, first + run.size()) by `run` (same count, e.g. reordered) and relinks.
  void Replace(Index first, std::vector<Node>&& run);
  // Removes nodes [first, first + count) and relinks; a parent left without children stops being one.
  void Remove(Index first, Index count);
  void Clear();
  void Reserve(size_t count) { nodes_.reserve(count); }

  // One past the last descendant of `i` (from the branch-end table when it is built, else by a scan).
  Index SubtreeEnd(Index i) const;
  // Builds the branch-end table in one pass, so that sibling queries are O(1) until the next
  // structural change; painting calls it once per paint.
  void BuildBranchEnds() const;
  bool HasChildren(Index i) const { return Valid(i + 1) && At(i + 1).parent == i; }
  Index ChildCount(Index i) const;
  Index FirstSibling(Index i) const;
  Index PreviousSibling(Index i) const;
  Index NextSibling(Index i) const;
  Index LastSibling(Index i) const;
  Index RootOf(Index i) const;
  // 1-based position of `i` among its parent's children.
  Index PositionAmongSiblings(Index i) const;
  // The `position`-th (1-based) child of `parent`, -1 when there is none.
  Index ChildAt(Index parent, Index position) const;

  // Expanded state and visibility: a node is visible when every ancestor is expanded.
  bool IsVisible(Index i) const;
  void SetExpanded(Index i, bool expanded);
  Index VisibleCount() const;
  Index VisibleNode(Index line) const;  // -1 outside 0 .. VisibleCount - 1
  Index LineOf(Index node) const;       // -1 when hidden or invalid
  // The first visible node after / the last visible node before `node` (which may itself be hidden).
  Index VisibleAfter(Index node) const;
  Index VisibleBefore(Index node) const;

  // Debug check of the structure: empty when sound, else the first broken rule.
  std::string CheckInvariants() const;

 private:
  // Recomputes the parent links of nodes [from, to) (to -1: the end of the list).
  void Relink(Index from, Index to = -1);
  void EnsureVisibleLines() const;

  std::vector<Node> nodes_;
  mutable std::vector<Index> visible_;  // visible node indexes in ascending order
  mutable bool visibleValid_ = true;
  mutable std::vector<Index> branchEnds_;  // SubtreeEnd of every node, while valid
  mutable bool branchEndsValid_ = false;
};

}  // namespace kv::tree
