// One node of the tree-list: the attributes every node has, and the rarely used ones kept apart so
// that a plain node stays small (a list may hold 100 000 of them).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kv::tree {

using Index = int32_t;    // node index: position in display order, -1 = none
using Colour = uint32_t;  // 0x00BBGGRR, or a system colour 0x800000nn

// Per-column attributes kept in a small list per node, keyed by kind and column number.
enum class ColumnAttrKind : uint8_t { Check, Text, Picture };

struct ColumnAttr {
  ColumnAttrKind kind;
  int16_t column;
  int16_t value;      // check value or picture number
  std::wstring text;  // column text
};

struct NodeExtras {
  std::wstring subText;
  Colour backColour = 0;
  Colour foreColour = 0;
  int32_t font = 0;  // font handle number given by the window layer, 0 = control font
  int16_t radioStyle = 0;
  int16_t radioValue = 0;
  std::vector<ColumnAttr> columns;
};

enum NodeFlag : uint16_t {
  kIsParent = 1 << 0,
  kExpanded = 1 << 1,
  kSelect = 1 << 2,
  kShowChecks = 1 << 3,
  kUseColumns = 1 << 4,
  kHeaderStyle = 1 << 5,
  kRadioSet = 1 << 6,
  kHasBackColour = 1 << 7,
  kHasForeColour = 1 << 8,
  kContentAsked = 1 << 9,  // virtual loading: GetNode was fired for it
};

struct Node {
  std::wstring text;
  std::wstring cargo;
  std::unique_ptr<NodeExtras> extras;  // absent until a rare attribute is set
  Index parent = -1;
  int32_t data = 0;
  int16_t level = 1;
  int16_t picture = 0;
  int16_t picExpand = 0;
  int16_t picSelect = 0;
  int16_t fontBold = 0;
  uint16_t flags = kShowChecks;

  bool Has(NodeFlag flag) const { return (flags & flag) != 0; }
  void Set(NodeFlag flag, bool on) { flags = on ? uint16_t(flags | flag) : uint16_t(flags & ~flag); }
  NodeExtras& Extras() {
    if (!extras) extras = std::make_unique<NodeExtras>();
    return *extras;
  }
};

}  // namespace kv::tree
