// Tree-list model: node attributes, per-column check/text/picture values and radio groups.
#include "treelist/model/tree_model.h"

#include <algorithm>
#include <new>

namespace kv::tree {

namespace {
int16_t ToPicture(int32_t value) { return static_cast<int16_t>(std::clamp<int32_t>(value, 0, 0x7FFF)); }
int16_t ToShort(int32_t value) { return static_cast<int16_t>(std::clamp<int32_t>(value, -0x8000, 0x7FFF)); }
}  // namespace

int32_t TreeModel::GetNode(NodeField field, Index index) {
  if (!ValidNode(index)) return 0;
  const Node& node = nodes_.At(index);
  const NodeExtras* extras = node.extras.get();
  switch (field) {
    case NodeField::BackColour:
      return int32_t(node.Has(kHasBackColour) ? extras->backColour : defaultBack_);
    case NodeField::ForeColour:
      return int32_t(node.Has(kHasForeColour) ? extras->foreColour : defaultFore_);
    case NodeField::Picture:
      return node.picture;
    case NodeField::PicExpand:
      return node.picExpand;
    case NodeField::PicSelect:
      return node.picSelect;
    case NodeField::Expanded:
      return node.Has(kExpanded);
    case NodeField::Data:
      return node.data;
    case NodeField::IsParent:
      return node.Has(kIsParent);
    case NodeField::Select:
      return node.Has(kSelect);
    case NodeField::UseColumns:
      return node.Has(kUseColumns);
    case NodeField::ShowChecks:
      return node.Has(kShowChecks);
    case NodeField::RadioStyle:
      return extras ? extras->radioStyle : 0;
    case NodeField::RadioValue:
      return extras ? extras->radioValue : 0;
    case NodeField::HeaderStyle:
      return node.Has(kHeaderStyle);
    case NodeField::RadioSet:
      return IsRadioChild(index) && nodes_.At(node.parent).extras->radioValue == nodes_.PositionAmongSiblings(index);
    case NodeField::FontBold:
      return node.fontBold;
    case NodeField::Font:
      return extras ? extras->font : 0;
  }
  return 0;
}

void TreeModel::SetNode(NodeField field, Index index, int32_t value) {
  if (!ValidNode(index)) return;
  Node& node = nodes_.At(index);
  const bool on = value != 0;
  try {
    switch (field) {
      case NodeField::BackColour:
        node.Extras().backColour = Colour(value);
        node.Set(kHasBackColour, true);
        break;
      case NodeField::ForeColour:
        node.Extras().foreColour = Colour(value);
        node.Set(kHasForeColour, true);
        break;
      case NodeField::Picture:
        node.picture = ToPicture(value);
        break;
      case NodeField::PicExpand:
        node.picExpand = ToPicture(value);
        break;
      case NodeField::PicSelect:
        node.picSelect = ToPicture(value);
        break;
      case NodeField::Expanded:
        nodes_.SetExpanded(index, on);
        break;
      case NodeField::Data:
        node.data = value;
        break;
      case NodeField::IsParent:
        // a node with children stays a parent
        node.Set(kIsParent, on || nodes_.HasChildren(index));
        break;
      case NodeField::Select:
        node.Set(kSelect, on);
        break;
      case NodeField::UseColumns:
        node.Set(kUseColumns, on);
        break;
      case NodeField::ShowChecks:
        node.Set(kShowChecks, on);
        break;
      case NodeField::RadioStyle:
        node.Extras().radioStyle = ToShort(value);
        break;
      case NodeField::RadioValue:
        if (value < 0 || value > nodes_.ChildCount(index)) {
          Error(kErrRadioSet, index);
          return;
        }
        node.Extras().radioValue = ToShort(value);
        break;
      case NodeField::HeaderStyle:
        node.Set(kHeaderStyle, on);
        break;
      case NodeField::RadioSet: {
        if (!IsRadioChild(index)) {
          Error(kErrRadioSet, index);
          return;
        }
        NodeExtras& parent = *nodes_.At(node.parent).extras;
        int16_t position = ToShort(nodes_.PositionAmongSiblings(index));
        if (on)
          parent.radioValue = position;
        else if (parent.radioValue == position)
          parent.radioValue = 0;
        break;
      }
      case NodeField::FontBold:
        node.fontBold = ToShort(value);
        break;
      case NodeField::Font:
        node.Extras().font = value;
        break;
    }
  } catch (const std::bad_alloc&) {
    Error(kErrOutOfMemory, index);
    return;
  }
  Changed();
}

std::wstring TreeModel::GetNodeText(NodeTextField field, Index index) {
  if (!ValidNode(index)) return {};
  const Node& node = nodes_.At(index);
  switch (field) {
    case NodeTextField::Text:
      return node.text;
    case NodeTextField::Cargo:
      return node.cargo.substr(0, kMaxCargoReturned);
    case NodeTextField::SubText:
      return node.extras ? node.extras->subText : std::wstring();
  }
  return {};
}

void TreeModel::SetNodeText(NodeTextField field, Index index, const std::wstring& text) {
  if (!ValidNode(index)) return;
  Node& node = nodes_.At(index);
  try {
    switch (field) {
      case NodeTextField::Text:
        node.text = text;
        break;
      case NodeTextField::Cargo:
        node.cargo = text;
        break;
      case NodeTextField::SubText:
        if (text.empty() && !node.extras) return;
        node.Extras().subText = text;
        break;
    }
  } catch (const std::bad_alloc&) {
    Error(kErrOutOfMemory, index);
    return;
  }
  Changed();
}

// --- per-column values ---

ColumnAttr* TreeModel::FindAttr(Index index, ColumnAttrKind kind, int column) {
  return const_cast<ColumnAttr*>(static_cast<const TreeModel*>(this)->FindAttr(index, kind, column));
}

const ColumnAttr* TreeModel::FindAttr(Index index, ColumnAttrKind kind, int column) const {
  const NodeExtras* extras = nodes_.At(index).extras.get();
  if (!extras) return nullptr;
  for (const ColumnAttr& attr : extras->columns) {
    if (attr.kind == kind && attr.column == column) return &attr;
  }
  return nullptr;
}

void TreeModel::StoreAttr(Index index, ColumnAttrKind kind, int column, int16_t value, const std::wstring* text) {
  try {
    ColumnAttr* attr = FindAttr(index, kind, column);
    if (!attr) {
      auto& list = nodes_.At(index).Extras().columns;
      list.push_back(ColumnAttr{kind, static_cast<int16_t>(column), 0, {}});
      attr = &list.back();
    }
    attr->value = value;
    if (text) attr->text = *text;
  } catch (const std::bad_alloc&) {
    Error(kErrOutOfMemory, index);
    return;
  }
  Changed();
}

bool TreeModel::ValidColumn(int column) {
  if (column >= 1 && column <= columns_.MaxColumn()) return true;
  Error(kErrColumnRange, static_cast<Index>(column));
  return false;
}

int16_t TreeModel::NodeColumnCheck(Index index, int column) {
  if (!ValidNode(index) || !ValidColumn(column)) return 0;
  const ColumnAttr* attr = FindAttr(index, ColumnAttrKind::Check, column);
  return attr ? attr->value : 0;
}

void TreeModel::SetNodeColumnCheck(Index index, int column, int value) {
  if (!ValidNode(index) || !ValidColumn(column)) return;
  if (!columns_.IsCheckColumn(column)) {
    Error(kErrNotCheckColumn, static_cast<Index>(column));
    return;
  }
  if (value < 0 || value > 2) value = 0;
  StoreAttr(index, ColumnAttrKind::Check, column, static_cast<int16_t>(value), nullptr);
}

std::wstring TreeModel::NodeColumnText(Index index, int column) {
  if (!ValidNode(index) || !ValidColumn(column)) return {};
  const ColumnAttr* attr = FindAttr(index, ColumnAttrKind::Text, column);
  return attr ? attr->text : std::wstring();
}

void TreeModel::SetNodeColumnText(Index index, int column, const std::wstring& text) {
  if (!ValidNode(index) || !ValidColumn(column)) return;
  StoreAttr(index, ColumnAttrKind::Text, column, 0, &text);
}

int16_t TreeModel::NodeColumnPicture(Index index, int column) {
  if (!ValidNode(index) || !ValidColumn(column)) return 0;
  const ColumnAttr* attr = FindAttr(index, ColumnAttrKind::Picture, column);
  return attr ? attr->value : 0;
}

void TreeModel::SetNodeColumnPicture(Index index, int column, int picture) {
  if (!ValidNode(index) || !ValidColumn(column)) return;
  StoreAttr(index, ColumnAttrKind::Picture, column, ToPicture(picture), nullptr);
}

std::wstring TreeModel::DisplayColumnText(Index index, int column) const {
  if (!nodes_.Valid(index) || column < 1) return {};
  const ColumnAttr* attr = FindAttr(index, ColumnAttrKind::Text, column);
  if (attr) return attr->text;
  const Node& node = nodes_.At(index);
  if (!SplitsIntoColumns(index)) return column == 1 ? node.text : std::wstring();
  size_t start = 0;
  for (int part = 1; part < column; ++part) {
    size_t separator = node.text.find(columnSeparator_, start);
    if (separator == std::wstring::npos) return {};
    start = separator + 1;
  }
  size_t end = node.text.find(columnSeparator_, start);
  return node.text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

bool TreeModel::SplitsIntoColumns(Index index) const {
  return nodes_.Valid(index) && (nodes_.At(index).Has(kUseColumns) || columns_.Count() > 1);
}

std::wstring TreeModel::TipText(Index index, int kind) const {
  if (!nodes_.Valid(index)) return {};
  const Node& node = nodes_.At(index);
  std::wstring line = node.text;
  if (node.extras && !node.extras->subText.empty()) line += L" " + node.extras->subText;
  const std::wstring parent = node.parent >= 0 ? nodes_.At(node.parent).text : std::wstring();
  switch (kind) {
    case 1:
      return line;
    case 2:
      return parent;
    case 3:
      return parent.empty() ? line : parent + L": " + line;
    default:
      return {};
  }
}

// --- user actions ---

int TreeModel::FlipCheck(Index index, int column) {
  if (!nodes_.Valid(index) || column < 1 || column > columns_.MaxColumn() || !columns_.IsCheckColumn(column) ||
      !nodes_.At(index).Has(kShowChecks))
    return -1;
  const ColumnAttr* attr = FindAttr(index, ColumnAttrKind::Check, column);
  int16_t value = (attr && attr->value != 0) ? 0 : 1;
  StoreAttr(index, ColumnAttrKind::Check, column, value, nullptr);
  return value;
}

bool TreeModel::IsRadioChild(Index index) const {
  if (!nodes_.Valid(index)) return false;
  Index parent = nodes_.At(index).parent;
  return parent >= 0 && nodes_.At(parent).extras && nodes_.At(parent).extras->radioStyle != 0;
}

int TreeModel::PickRadio(Index child) {
  if (!IsRadioChild(child)) return -1;
  NodeExtras& parent = *nodes_.At(nodes_.At(child).parent).extras;
  parent.radioValue = ToShort(nodes_.PositionAmongSiblings(child));
  Changed();
  return parent.radioValue;
}

bool TreeModel::MarkContentAsked(Index index) {
  if (!nodes_.Valid(index) || nodes_.At(index).Has(kContentAsked)) return false;
  nodes_.At(index).Set(kContentAsked, true);
  return true;
}

}  // namespace kv::tree
