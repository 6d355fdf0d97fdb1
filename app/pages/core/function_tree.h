// Function trees of the tool pages: what a tree-list control must offer (FunctionTreeView), what the
// pages need from the catalogue and engine (FunctionSource), and the fill and style rules over both.
#pragma once

#include <string>

#include "app/catalogue/function_record.h"

namespace kv {

// The tree-list operations the pages use, by their control's names. Lines are 0-based indexes.
class FunctionTreeView {
 public:
  virtual ~FunctionTreeView() = default;
  virtual int AddNode(const std::string& text, int position, int level) = 0;
  virtual int AddPictureNode(const std::string& text, int position, int level, int picture, int openPicture,
                             int selectedPicture) = 0;
  virtual void SetNodeExpanded(int line, bool expanded) = 0;
  virtual void SetNodeShowChecks(int line, bool show) = 0;
  virtual void SetNodeFontBold(int line, int style) = 0;
  virtual int NodeFontBold(int line) const = 0;
  virtual void SetNodeColumnCheck(int line, int column, int value) = 0;
  virtual int NodeColumnCheck(int line, int column) const = 0;
  virtual void SetNodeSubText(int line, const std::string& text) = 0;
  virtual void SetNodeCargo(int line, const std::string& cargo) = 0;
  virtual std::string NodeCargo(int line) const = 0;
  virtual int ListCount() const = 0;
  virtual int Selected() const = 0;
  virtual void SetSelected(int line) = 0;
  // Display style: tree lines on/off, plus/minus pictures on/off.
  virtual void SetTreeStyle(bool treeLines, bool plusMinus) = 0;
  virtual void Redraw() = 0;
};

// Catalogue and engine as the pages see them.
class FunctionSource {
 public:
  virtual ~FunctionSource() = default;
  virtual int FktAnzahl() const = 0;
  virtual const FunctionRecord* Function(int number) const = 0;
  virtual std::string GroupCaption(int page, int group) const = 0;
  virtual int RunningOsFilter() const = 0;  // 1 on NT 4, 0 otherwise
  virtual int ReadCheckState(int number) = 0;
  virtual std::string ReadValueText(int number) = 0;
  virtual std::string ReadNumberText(int number) = 0;
  virtual bool ApplyFunctionState(int number, bool on) = 0;
  // Writes a text or number function's new value (the engine's value write, with its undo record).
  virtual bool ApplyFunctionValue(int number, const std::string& value) = 0;
  // The function behind a control of the pages' own tabs: the index file's slot table; -1 when empty.
  virtual int SlotFunction(int slot) const = 0;
  // Setting dialog for text and number functions; "$ERROR$" when nothing was applied.
  virtual std::string EditFunctionValue(int number) = 0;
};

inline constexpr const char* kSettingDialogError = "$ERROR$";
constexpr int kGroupFontStyle = 2;
constexpr int kGroupsPerPage = 8;
constexpr int kFunctionLevel = 2;

// Builds one tree: groups 1..8 with a caption, each followed by its visible functions in number order;
// selects line 1 when the tree has more than one line.
void FillFunctionTree(FunctionTreeView& tree, int page, FunctionSource& source);

// Function number carried by a line ("" or non-numeric cargo: -1).
int CargoFunction(const std::string& cargo);

// Tree display style: 0 normal, 1 tree lines, 2 tree lines with plus/minus; other values change nothing.
void ApplyTreeStyleTo(FunctionTreeView& tree, int style);

}  // namespace kv
