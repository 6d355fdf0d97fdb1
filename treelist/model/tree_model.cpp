// Tree-list model: adding, removing, structure queries, selection and search.
#include "treelist/model/tree_model.h"

#include <new>

namespace kv::tree {

void TreeModel::Error(int16_t code, Index index) {
  if (observer_) observer_->OnCtrlError(code, index);
}
void TreeModel::Changed() {
  if (observer_) observer_->OnContentChanged();
}
void TreeModel::EndEdit() {
  if (observer_) observer_->OnEndEdit();
}
void TreeModel::FireChange(Index index) {
  if (observer_ && runTime_) observer_->OnSelectionChanged(index);
}

bool TreeModel::ValidNode(Index index) {
  if (nodes_.Valid(index)) return true;
  Error(kErrIndexRange, index);
  return false;
}

// --- adding ---

Index TreeModel::AddAt(const std::wstring& text, int position, int level, Index reference, const NodeLook& look,
                       bool isInsertNode) {
  if (level < 1) level = 1;
  if (level > 0x7FFF) level = 0x7FFF;
  if (position < kAppend || position > kAfter) position = kAppend;
  const bool referenceValid = nodes_.Valid(reference);
  Index at = nodes_.Count();
  if (position == kBefore && referenceValid) at = reference;
  if (position == kAfter && referenceValid) at = reference + 1;

  bool corrected = false;
  if (at == 0 && level > 1) {
    level = 1;
    corrected = true;
  } else if (at > 0 && level >= nodes_.At(at - 1).level + 2) {
    level = nodes_.At(at - 1).level;
    corrected = true;
  }

  try {
    Node node;
    node.text = text;
    node.level = static_cast<int16_t>(level);
    if (look.font > 0) node.Extras().font = look.font;
    if (look.picture > 0) node.picture = look.picture;
    if (look.picExpand > 0) node.picExpand = look.picExpand;
    if (look.picSelect > 0) node.picSelect = look.picSelect;
    nodes_.Insert(at, std::move(node));
  } catch (const std::bad_alloc&) {
    Error(kErrAddFailed, reference);
    return -1;
  }
  if (searchPosition_ > at) ++searchPosition_;
  const bool selectNew = !isInsertNode && position != kAppend;
  if (isInsertNode && selected_ >= 0 && at <= selected_) ++selected_;
  if (selectNew) selected_ = at;
  // Events last, so that handlers see the finished state.
  if (corrected) Error(kErrLevelCorrected, at);
  if (selectNew) FireChange(at);
  Changed();
  return at;
}

Index TreeModel::AddNode(const std::wstring& text, int position, int level, const NodeLook& look) {
  return AddAt(text, position, level, selected_, look, false);
}

Index TreeModel::InsertNode(const std::wstring& text, int level, Index reference) {
  return AddAt(text, kBefore, level, reference, NodeLook(), true);
}

// --- removing ---

Index TreeModel::RemoveRange(Index first, Index count) {
  if (count <= 0) return 0;
  EndEdit();
  nodes_.Remove(first, count);
  // A selection after the removed nodes follows its node; one inside them is clamped to the list.
  if (selected_ >= first + count) {
    selected_ -= count;
  } else if (selected_ > nodes_.Count() - 1) {
    selected_ = nodes_.Count() - 1;
  }
  if (searchPosition_ >= first + count) {
    searchPosition_ -= count;
  } else if (searchPosition_ > first) {
    searchPosition_ = first;
  }
  Changed();
  return count;
}

Index TreeModel::RemoveNode(Index index) {
  if (!ValidNode(index)) return 0;
  return RemoveRange(index, nodes_.SubtreeEnd(index) - index);
}

Index TreeModel::RemoveChildren(Index index) {
  if (!ValidNode(index)) return 0;
  Index removed = RemoveRange(index + 1, nodes_.SubtreeEnd(index) - index - 1);
  if (nodes_.At(index).Has(kIsParent)) {
    nodes_.At(index).Set(kIsParent, false);
    Changed();
  }
  return removed;
}

void TreeModel::ClearNodes() {
  EndEdit();
  nodes_.Clear();
  selected_ = -1;
  searchPosition_ = 0;
  Changed();
}

// --- structure queries ---

Index TreeModel::NodeParent(Index index) { return ValidNode(index) ? nodes_.At(index).parent : -1; }
int16_t TreeModel::NodeLevel(Index index) { return ValidNode(index) ? nodes_.At(index).level : 0; }
Index TreeModel::Children(Index index) { return ValidNode(index) ? nodes_.ChildCount(index) : 0; }
Index TreeModel::AllChildren(Index index) { return ValidNode(index) ? nodes_.SubtreeEnd(index) - index - 1 : 0; }
Index TreeModel::FirstSibling(Index index) { return ValidNode(index) ? nodes_.FirstSibling(index) : -1; }
Index TreeModel::PreviousSibling(Index index) { return ValidNode(index) ? nodes_.PreviousSibling(index) : -1; }
Index TreeModel::NextSibling(Index index) { return ValidNode(index) ? nodes_.NextSibling(index) : -1; }
Index TreeModel::LastSibling(Index index) { return ValidNode(index) ? nodes_.LastSibling(index) : -1; }
Index TreeModel::LastBranch(Index index) { return ValidNode(index) ? nodes_.SubtreeEnd(index) - 1 : -1; }
Index TreeModel::RootNode(Index index) { return ValidNode(index) ? nodes_.RootOf(index) : -1; }
Index TreeModel::NextItem(Index index) { return ValidNode(index) ? nodes_.VisibleAfter(index) : -1; }
Index TreeModel::PreviousItem(Index index) { return ValidNode(index) ? nodes_.VisibleBefore(index) : -1; }
bool TreeModel::NodeVisible(Index index) { return ValidNode(index) && nodes_.IsVisible(index); }

std::wstring TreeModel::Path(Index index, const std::wstring& separator) {
  if (!ValidNode(index)) return {};
  std::vector<Index> chain;  // the node and its ancestors, joined root first in one pass
  for (Index p = index; p >= 0; p = nodes_.At(p).parent) chain.push_back(p);
  std::wstring path;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (it != chain.rbegin()) path += separator;
    path += nodes_.At(*it).text;
  }
  return path;
}

// --- search ---

Index TreeModel::FindData(int32_t value) {
  searchPosition_ = 0;
  return FindNext(value);
}

Index TreeModel::FindNext(int32_t value) {
  for (Index i = searchPosition_; i < nodes_.Count(); ++i) {
    if (nodes_.At(i).data == value) {
      searchPosition_ = i + 1;
      return i;
    }
  }
  searchPosition_ = nodes_.Count();
  return -1;
}

// --- selection ---

bool TreeModel::SetSelected(Index index) {
  if (index < -1 || index >= nodes_.Count()) {
    Error(kErrIndexRange, index);
    return false;
  }
  EndEdit();
  selected_ = index;
  FireChange(index);
  Changed();
  return true;
}

std::string TreeModel::CheckInvariants() const {
  std::string broken = nodes_.CheckInvariants();
  if (!broken.empty()) return broken;
  if (selected_ < -1 || selected_ >= nodes_.Count()) return "selection out of range";
  if (searchPosition_ < 0 || searchPosition_ > nodes_.Count()) return "search position out of range";
  for (Index i = 0; i < nodes_.Count(); ++i) {
    const Node& node = nodes_.At(i);
    if (!node.extras) continue;
    for (const ColumnAttr& attr : node.extras->columns) {
      if (attr.column < 1 || attr.column > columns_.MaxColumn())
        return "node " + std::to_string(i) + " keeps an attribute of a missing column";
      if (attr.kind == ColumnAttrKind::Check && (attr.value < 0 || attr.value > 2))
        return "node " + std::to_string(i) + " has a check value outside 0..2";
    }
  }
  return {};
}

}  // namespace kv::tree
