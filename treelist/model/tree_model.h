// The tree-list model: the node array with every rule of adding, removing, selecting, expanding,
// checking and searching, the columns, and CtrlError reporting through TreeObserver.
// Portable (no platform headers); the control window and the automation layer sit on top of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "treelist/model/columns.h"
#include "treelist/model/node_store.h"
#include "treelist/model/tree_observer.h"

namespace kv::tree {

// Where AddNode puts the new node relative to the reference (selected) node.
enum Position : int16_t { kAppend = 0, kBefore = 1, kAfter = 2 };

// Optional look of a node given when adding it.
struct NodeLook {
  int32_t font = 0;
  int16_t picture = 0;
  int16_t picExpand = 0;
  int16_t picSelect = 0;
};

// Scalar node attributes (read and written as 32-bit numbers; Booleans as 0/1).
enum class NodeField {
  BackColour,
  ForeColour,
  Picture,
  PicExpand,
  PicSelect,
  Expanded,
  Data,
  IsParent,
  Select,
  UseColumns,
  ShowChecks,
  RadioStyle,
  RadioValue,
  HeaderStyle,
  RadioSet,
  FontBold,
  Font,
};
enum class NodeTextField { Text, Cargo, SubText };
enum class ColumnField {
  Width,
  BackColour,
  ForeColour,
  CheckAlign,
  TextAlign,
  Picture,
  Lock,
  CheckBox,
  PictureAlign,
  Sortable,
};

constexpr size_t kMaxCargoReturned = 511;

class TreeModel {
 public:
  explicit TreeModel(TreeObserver* observer = nullptr) : observer_(observer) {}
  void SetObserver(TreeObserver* observer) { observer_ = observer; }
  // Change events are fired only at run time (not while a designer hosts the control).
  void SetRunTime(bool runTime) { runTime_ = runTime; }

  const NodeStore& Nodes() const { return nodes_; }
  const Columns& Cols() const { return columns_; }
  Index ListCount() const { return nodes_.Count(); }

  // --- adding and removing ---
  Index AddNode(const std::wstring& text, int position, int level, const NodeLook& look = NodeLook());
  Index InsertNode(const std::wstring& text, int level, Index reference);
  Index RemoveNode(Index index);      // number of nodes removed
  Index RemoveChildren(Index index);  // number of nodes removed
  void ClearNodes();
  void Reserve(size_t count) { nodes_.Reserve(count); }

  // --- structure queries (an invalid index fires 32004 and gives -1 / 0 / false) ---
  Index NodeParent(Index index);
  int16_t NodeLevel(Index index);
  Index Children(Index index);
  Index AllChildren(Index index);
  Index FirstSibling(Index index);
  Index PreviousSibling(Index index);
  Index NextSibling(Index index);
  Index LastSibling(Index index);
  Index LastBranch(Index index);
  Index RootNode(Index index);
  Index NextItem(Index index);
  Index PreviousItem(Index index);
  bool NodeVisible(Index index);
  Index ItemsOpen() const { return nodes_.VisibleCount(); }
  std::wstring Path(Index index, const std::wstring& separator);

  // --- reordering ---
  // Moves `source` with its branch: type 0 before `target`, 1 after target's branch (as its
  // sibling), 2 as the last child of `target`. Refused (32011) into its own branch or for bad input.
  bool MoveNode(Index source, Index target, int type);
  // Sorts the children of `index` (-1: the root nodes) by the sort column's text, in the given
  // direction; with `deep` the children's children too. Branches move with their nodes.
  void Sort(Index index, bool deep, bool ascending, bool caseSensitive);

  // --- search by user number ---
  Index FindData(int32_t value);
  Index FindNext(int32_t value);

  // --- selection (-1 = none) ---
  Index Selected() const { return selected_; }
  bool SetSelected(Index index);

  // --- virtual loading: a node's content is asked for once ---
  // Marks the node as asked for; false when it already was or is invalid (no CtrlError).
  bool MarkContentAsked(Index index);

  // --- node attributes ---
  int32_t GetNode(NodeField field, Index index);
  void SetNode(NodeField field, Index index, int32_t value);
  std::wstring GetNodeText(NodeTextField field, Index index);
  void SetNodeText(NodeTextField field, Index index, const std::wstring& text);
  // Per-column attributes (column 1 .. max(1, ColumnCount)).
  int16_t NodeColumnCheck(Index index, int column);
  void SetNodeColumnCheck(Index index, int column, int value);
  std::wstring NodeColumnText(Index index, int column);
  void SetNodeColumnText(Index index, int column, const std::wstring& text);
  int16_t NodeColumnPicture(Index index, int column);
  void SetNodeColumnPicture(Index index, int column, int picture);
  // Tool tip text of a node for the tip kind (1 the line, 2 its parent, 3 both; 0 none).
  std::wstring TipText(Index index, int kind) const;
  // Text shown in a column: the column's own text, else the separated part of the node text.
  // A node's text is split into columns when it uses columns or the list has two or more columns.
  std::wstring DisplayColumnText(Index index, int column) const;
  bool SplitsIntoColumns(Index index) const;
  // The column separator in node texts (BreakChar; ";" when none is set).
  void SetColumnSeparator(wchar_t separator) { columnSeparator_ = separator ? separator : L';'; }

  // --- user actions (no CtrlError; the caller fires the matching event) ---
  // Flips the check of a check-box column; returns the new value (0 or 1), -1 when refused.
  int FlipCheck(Index index, int column);
  // Chooses a radio child; returns the parent's new value, -1 when the node is no radio child.
  int PickRadio(Index child);
  bool IsRadioChild(Index index) const;

  // --- columns (1-based) ---
  int16_t AddColumn(const std::wstring& caption, int16_t width);
  int16_t InsertColumn(const std::wstring& caption, int16_t width, int before);
  bool RemoveColumn(int column);
  bool ClearColumns();
  // Replaces every column by the definitions of a saved block (Columns::Serialise); a damaged
  // block changes nothing and returns false.
  bool LoadColumns(const std::vector<uint8_t>& block);
  int16_t ColumnCount() const { return columns_.Count(); }
  int32_t GetColumn(ColumnField field, int column);
  void SetColumn(ColumnField field, int column, int32_t value);
  std::wstring ColumnText(int column);
  void SetColumnText(int column, const std::wstring& caption);
  bool SortNewColumn(int column);
  int16_t SortColumn() const { return sortColumn_; }
  void CancelSort() { sortColumn_ = 0; }

  // Colours of nodes without colours of their own.
  void SetDefaultColours(Colour back, Colour fore) {
    defaultBack_ = back;
    defaultFore_ = fore;
  }

  std::string CheckInvariants() const;

 private:
  bool ValidNode(Index index);   // fires 32004 when invalid
  bool ValidColumn(int column);  // fires 32003 when invalid
  void Error(int16_t code, Index index);
  void Changed();
  void EndEdit();
  void FireChange(Index index);
  Index AddAt(const std::wstring& text, int position, int level, Index reference, const NodeLook& look, bool selectNew);
  ColumnAttr* FindAttr(Index index, ColumnAttrKind kind, int column);
  const ColumnAttr* FindAttr(Index index, ColumnAttrKind kind, int column) const;
  void StoreAttr(Index index, ColumnAttrKind kind, int column, int16_t value, const std::wstring* text);
  void ShiftColumnAttrs(int from, int delta);
  Index RemoveRange(Index first, Index count);
  std::vector<Index> SortChildren(Index parent, bool ascending, bool caseSensitive);

  TreeObserver* observer_;
  bool runTime_ = true;
  NodeStore nodes_;
  Columns columns_;
  Index selected_ = -1;
  Index searchPosition_ = 0;
  int16_t sortColumn_ = 0;
  wchar_t columnSeparator_ = L';';
  Colour defaultBack_ = 0xFFFFFF;
  Colour defaultFore_ = 0x80000012;
};

}  // namespace kv::tree
