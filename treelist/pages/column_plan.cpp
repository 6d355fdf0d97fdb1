// Edited column list and the steps that make the control's columns equal to it (see column_plan.h).
#include "treelist/pages/column_plan.h"

#include <algorithm>

namespace kv::tree::pages {
namespace {

int ClampedWidth(int width) { return std::clamp(width, 0, 32767); }

}  // namespace

void ColumnPlan::Load(std::vector<EditedColumn> columns) {
  for (size_t i = 0; i < columns.size(); ++i) columns[i].original = int(i) + 1;
  loaded_ = columns;
  edited_ = std::move(columns);
}

void ColumnPlan::Add(std::wstring caption, int width) { edited_.push_back({std::move(caption), ClampedWidth(width), 0}); }

void ColumnPlan::Remove(size_t position) {
  if (position < edited_.size()) edited_.erase(edited_.begin() + std::ptrdiff_t(position));
}

void ColumnPlan::SetCaption(size_t position, std::wstring caption) {
  if (position < edited_.size()) edited_[position].caption = std::move(caption);
}

void ColumnPlan::SetWidth(size_t position, int width) {
  if (position < edited_.size()) edited_[position].width = ClampedWidth(width);
}

std::vector<ColumnStep> ColumnPlan::Steps() const {
  std::vector<ColumnStep> steps;
  std::vector<bool> kept(loaded_.size() + 1, false);
  for (const EditedColumn& column : edited_)
    if (column.original > 0) kept[size_t(column.original)] = true;
  for (int number = int(loaded_.size()); number >= 1; --number)
    if (!kept[size_t(number)]) steps.push_back({ColumnStep::Remove, number, {}, 0});
  // After the removals the kept columns are numbered 1.. in their old order, and the page only adds
  // columns, never reorders kept ones: position p (from 1) of the edited list is column p once every
  // column before it is in place.
  for (size_t i = 0; i < edited_.size(); ++i) {
    const EditedColumn& column = edited_[i];
    int number = int(i) + 1;
    if (column.original == 0) {
      steps.push_back({ColumnStep::Insert, number, column.caption, column.width});
      continue;
    }
    const EditedColumn& before = loaded_[size_t(column.original) - 1];
    if (column.caption != before.caption) steps.push_back({ColumnStep::SetCaption, number, column.caption, 0});
    if (column.width != before.width) steps.push_back({ColumnStep::SetWidth, number, {}, column.width});
  }
  return steps;
}

}  // namespace kv::tree::pages
