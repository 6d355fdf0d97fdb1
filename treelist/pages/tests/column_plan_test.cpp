// The "Columns" page's edits become calls on the control that keep what the page does not show:
// a user renames one column, removes another and adds a third; replaying the steps on a plain list
// of columns (as the control numbers them) must give exactly the edited list.
#include <gtest/gtest.h>

#include "treelist/pages/column_plan.h"

namespace kv::tree::pages {
namespace {

struct Stored {
  std::wstring caption;
  int width;
  int colour;  // stands for every attribute the page does not show
};

// What the control does with each call (1-based numbers, insert before `column`).
std::vector<Stored> Replay(std::vector<Stored> columns, const std::vector<ColumnStep>& steps) {
  for (const ColumnStep& s : steps) {
    size_t at = size_t(s.column - 1);
    switch (s.kind) {
      case ColumnStep::Remove: columns.erase(columns.begin() + std::ptrdiff_t(at)); break;
      case ColumnStep::SetCaption: columns.at(at).caption = s.caption; break;
      case ColumnStep::SetWidth: columns.at(at).width = s.width; break;
      case ColumnStep::Insert: columns.insert(columns.begin() + std::ptrdiff_t(at), {s.caption, s.width, 0}); break;
    }
  }
  return columns;
}

TEST(ColumnPlan, EditsReplayOntoTheControlKeepingHiddenAttributes) {
  std::vector<Stored> control = {{L"Name", 120, 1}, {L"Size", 60, 2}, {L"Type", 80, 3}, {L"Date", 90, 4}};
  ColumnPlan plan;
  plan.Load({{L"Name", 120}, {L"Size", 60}, {L"Type", 80}, {L"Date", 90}});
  EXPECT_FALSE(plan.Changed());
  plan.Remove(1);                   // Size
  plan.SetCaption(1, L"Kind");      // Type, now at position 1
  plan.SetWidth(2, 100);            // Date
  plan.Add(L"Owner", 70);
  plan.Remove(0);                   // Name
  plan.Add(L"Owner 2", 99999);      // clamped
  plan.Remove(17);                  // out of range: ignored
  ASSERT_TRUE(plan.Changed());
  std::vector<Stored> after = Replay(control, plan.Steps());
  ASSERT_EQ(after.size(), 4u);
  EXPECT_EQ(after[0].caption, L"Kind");
  EXPECT_EQ(after[0].colour, 3);  // the same column, renamed
  EXPECT_EQ(after[1].width, 100);
  EXPECT_EQ(after[1].colour, 4);
  EXPECT_EQ(after[2].caption, L"Owner");
  EXPECT_EQ(after[3].width, 32767);
}

TEST(ColumnPlan, FromNoColumnsAndBackToNone) {
  ColumnPlan plan;
  plan.Load({});
  plan.Add(L"A", 50);
  plan.Add(L"B", -3);
  std::vector<Stored> after = Replay({}, plan.Steps());
  ASSERT_EQ(after.size(), 2u);
  EXPECT_EQ(after[1].width, 0);

  plan.Load({{L"A", 50}, {L"B", 0}});
  plan.Remove(0);
  plan.Remove(0);
  EXPECT_TRUE(Replay(after, plan.Steps()).empty());
}

}  // namespace
}  // namespace kv::tree::pages
