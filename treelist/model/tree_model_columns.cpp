// Tree-list model: the header columns and the per-node values that follow their numbering.
#include "treelist/model/tree_model.h"

#include <algorithm>

namespace kv::tree {

// Moves the per-column values of every node when columns are inserted (delta 1) or removed
// (delta -1, the values of column `from` are dropped).
void TreeModel::ShiftColumnAttrs(int from, int delta) {
  for (Index i = 0; i < nodes_.Count(); ++i) {
    NodeExtras* extras = nodes_.At(i).extras.get();
    if (!extras || extras->columns.empty()) continue;
    auto& list = extras->columns;
    if (delta < 0) {
      list.erase(std::remove_if(list.begin(), list.end(), [from](const ColumnAttr& a) { return a.column == from; }),
                 list.end());
    }
    for (ColumnAttr& attr : list) {
      if (attr.column > from || (delta > 0 && attr.column == from)) attr.column = int16_t(attr.column + delta);
    }
  }
}

int16_t TreeModel::AddColumn(const std::wstring& caption, int16_t width) {
  int16_t number = columns_.Add(caption, width);
  Changed();
  return number;
}

int16_t TreeModel::InsertColumn(const std::wstring& caption, int16_t width, int before) {
  if (!columns_.Insert(caption, width, before)) {
    Error(kErrInsertColumn, static_cast<Index>(before));
    return 0;
  }
  // Values of column 1 stay with the node's own column when a column is put before it.
  if (columns_.Count() > 1) ShiftColumnAttrs(before, 1);
  if (sortColumn_ >= before) ++sortColumn_;
  Changed();
  return static_cast<int16_t>(before);
}

bool TreeModel::RemoveColumn(int column) {
  if (!columns_.Valid(column)) {
    Error(kErrColumnRange, static_cast<Index>(column));
    return false;
  }
  columns_.Remove(column);
  if (column > 1 || columns_.Count() > 0) ShiftColumnAttrs(column, -1);
  if (sortColumn_ == column)
    sortColumn_ = 0;
  else if (sortColumn_ > column)
    --sortColumn_;
  Changed();
  return true;
}

bool TreeModel::ClearColumns() {
  while (columns_.Count() > 0) {
    int last = columns_.Count();
    columns_.Remove(last);
    if (last > 1) ShiftColumnAttrs(last, -1);
  }
  sortColumn_ = 0;
  Changed();
  return true;
}

bool TreeModel::LoadColumns(const std::vector<uint8_t>& block) {
  Columns loaded;
  if (!loaded.Deserialise(block)) return false;
  ClearColumns();
  columns_ = loaded;
  Changed();
  return true;
}

int32_t TreeModel::GetColumn(ColumnField field, int column) {
  if (!columns_.Valid(column)) {
    Error(kErrColumnRange, static_cast<Index>(column));
    return 0;
  }
  const Column& c = columns_.At(column);
  switch (field) {
    case ColumnField::Width:
      return c.width;
    case ColumnField::BackColour:
      return int32_t(c.backColour);
    case ColumnField::ForeColour:
      return int32_t(c.foreColour);
    case ColumnField::CheckAlign:
      return c.checkAlign;
    case ColumnField::TextAlign:
      return c.textAlign;
    case ColumnField::Picture:
      return c.picture;
    case ColumnField::Lock:
      return c.lock;
    case ColumnField::CheckBox:
      return c.checkBox || column == 1;
    case ColumnField::PictureAlign:
      return c.pictureAlign;
    case ColumnField::Sortable:
      return c.sortable;
  }
  return 0;
}

void TreeModel::SetColumn(ColumnField field, int column, int32_t value) {
  if (!columns_.Valid(column)) {
    Error(kErrColumnRange, static_cast<Index>(column));
    return;
  }
  Column& c = columns_.At(column);
  auto small = [](int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, -0x8000, 0x7FFF)); };
  auto align = [](int32_t v) { return static_cast<int16_t>(v >= kAlignLeft && v <= kAlignCenter ? v : kAlignLeft); };
  switch (field) {
    case ColumnField::Width:
      c.width = std::max<int16_t>(0, small(value));
      break;
    case ColumnField::BackColour:
      c.backColour = Colour(value);
      break;
    case ColumnField::ForeColour:
      c.foreColour = Colour(value);
      break;
    case ColumnField::CheckAlign:
      c.checkAlign = align(value);
      break;
    case ColumnField::TextAlign:
      c.textAlign = align(value);
      break;
    case ColumnField::Picture:
      c.picture = std::max<int16_t>(0, small(value));
      break;
    case ColumnField::Lock:
      c.lock = value != 0;
      break;
    case ColumnField::CheckBox:
      c.checkBox = value != 0;
      break;
    case ColumnField::PictureAlign:
      c.pictureAlign = align(value);
      break;
    case ColumnField::Sortable:
      c.sortable = value != 0;
      break;
  }
  Changed();
}

std::wstring TreeModel::ColumnText(int column) {
  if (!columns_.Valid(column)) {
    Error(kErrColumnRange, static_cast<Index>(column));
    return {};
  }
  return columns_.At(column).caption;
}

void TreeModel::SetColumnText(int column, const std::wstring& caption) {
  if (!columns_.Valid(column)) {
    Error(kErrColumnRange, static_cast<Index>(column));
    return;
  }
  columns_.At(column).caption = caption;
  Changed();
}

bool TreeModel::SortNewColumn(int column) {
  if (!columns_.Valid(column) || !columns_.At(column).sortable) {
    Error(kErrSortColumn, static_cast<Index>(column));
    return false;
  }
  sortColumn_ = static_cast<int16_t>(column);
  Changed();
  return true;
}

}  // namespace kv::tree
