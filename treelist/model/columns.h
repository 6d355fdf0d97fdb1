// The header columns of the tree-list (numbered from 1) with their display attributes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "treelist/model/node.h"

namespace kv::tree {

enum Align : int16_t { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };

struct Column {
  std::wstring caption;
  int16_t width = 100;
  Colour backColour = 0xFFFFFF;
  Colour foreColour = 0x80000012;
  int16_t checkAlign = kAlignCenter;
  int16_t textAlign = kAlignLeft;
  int16_t pictureAlign = kAlignLeft;
  int16_t picture = 0;
  bool lock = false;
  bool checkBox = false;
  bool sortable = false;
};

class Columns {
 public:
  int16_t Count() const { return static_cast<int16_t>(columns_.size()); }
  bool Valid(int column) const { return column >= 1 && column <= Count(); }
  Column& At(int column) { return columns_[size_t(column - 1)]; }
  const Column& At(int column) const { return columns_[size_t(column - 1)]; }

  // Returns the new column's number (1-based).
  int16_t Add(std::wstring caption, int16_t width);
  // Inserts before column `before` (1 .. Count + 1); false when out of range.
  bool Insert(std::wstring caption, int16_t width, int before);
  bool Remove(int column);
  void Clear() { columns_.clear(); }

  // Column 1 always carries the node's check box; other columns only when marked as check columns.
  bool IsCheckColumn(int column) const { return column == 1 || (Valid(column) && At(column).checkBox); }
  // Highest column number a node attribute may use: at least 1 even without columns.
  int MaxColumn() const { return Count() < 1 ? 1 : Count(); }

  // Column definitions as one opaque block (for saving with the container) and back.
  std::vector<uint8_t> Serialise() const;
  bool Deserialise(const std::vector<uint8_t>& block);

 private:
  std::vector<Column> columns_;
};

}  // namespace kv::tree
