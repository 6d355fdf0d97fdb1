// The column list as edited on kvTreeView's "Columns" page, and the calls that turn the control's
// columns into it: removals first (highest number first), then, front to back, a changed caption or
// width of a kept column, or the insertion of a new one. Kept columns keep everything the page does
// not show (colours, alignment, lock, check box). Portable: no windows.h.
#pragma once

#include <string>
#include <vector>

namespace kv::tree::pages {

struct EditedColumn {
  std::wstring caption;
  int width = 100;
  int original = 0;  // its number (from 1) in the control when the page loaded it; 0 = added on the page
};

struct ColumnStep {
  enum Kind { Remove, SetCaption, SetWidth, Insert } kind;
  int column;  // 1-based: the column to change or remove, or the one to insert before
  std::wstring caption;
  int width = 0;
};

class ColumnPlan {
 public:
  // The control's columns (caption, width), in order.
  void Load(std::vector<EditedColumn> columns);
  const std::vector<EditedColumn>& Columns() const { return edited_; }

  // Editing; a position out of range is ignored. Width is clamped to 0 .. 32767.
  void Add(std::wstring caption, int width);
  void Remove(size_t position);
  void SetCaption(size_t position, std::wstring caption);
  void SetWidth(size_t position, int width);

  bool Changed() const { return !Steps().empty(); }
  // What to call on the control, in order.
  std::vector<ColumnStep> Steps() const;

 private:
  std::vector<EditedColumn> loaded_;
  std::vector<EditedColumn> edited_;
};

}  // namespace kv::tree::pages
