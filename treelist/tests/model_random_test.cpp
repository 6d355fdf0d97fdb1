// Randomised sequences of every mutating operation, with the structural invariants (parent links,
// parent flags, visible-line cache, selection and search position in range) checked after each step.
#include <gtest/gtest.h>

#include <random>

#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

TEST(RandomSequences, KeepEveryInvariant) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    std::mt19937 rng(seed);
    testing::RecordingObserver seen;
    TreeModel model(&seen);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    auto anyIndex = [&] { return pick(-2, model.ListCount() + 1); };
    for (int step = 0; step < 400; ++step) {
      int op = pick(0, 17);
      switch (op) {
        case 0:
        case 1:
        case 2:
          model.AddNode(std::wstring(1, wchar_t(L'a' + pick(0, 5))), pick(-1, 3), pick(-1, 6));
          break;
        case 3:
          model.InsertNode(L"i", pick(0, 5), anyIndex());
          break;
        case 4:
          model.RemoveNode(anyIndex());
          break;
        case 5:
          model.RemoveChildren(anyIndex());
          break;
        case 6:
          model.SetSelected(anyIndex());
          break;
        case 7:
        case 8:
          model.SetNode(NodeField::Expanded, anyIndex(), pick(0, 1));
          break;
        case 9:
          model.SetNode(NodeField::Data, anyIndex(), pick(0, 3));
          break;
        case 10:
          model.FindNext(pick(0, 3));
          break;
        case 11:
          if (pick(0, 20) == 0) model.ClearNodes();
          break;
        case 12:
          model.SetNodeColumnCheck(anyIndex(), pick(0, 3), pick(-1, 6));
          break;
        case 13:
          if (pick(0, 1))
            model.InsertColumn(L"c", 20, pick(0, model.ColumnCount() + 2));
          else
            model.RemoveColumn(pick(0, model.ColumnCount() + 1));
          break;
        case 14:
          model.SetNode(NodeField::IsParent, anyIndex(), pick(0, 1));
          break;
        case 15:
          model.SetNodeColumnText(anyIndex(), pick(1, 3), L"t");
          break;
        case 16:
          model.MoveNode(anyIndex(), anyIndex(), pick(-1, 3));
          break;
        case 17:
          model.Sort(pick(-2, model.ListCount()), pick(0, 1), pick(0, 1), pick(0, 1));
          break;
      }
      if (pick(0, 3) == 0) model.Nodes().BuildBranchEnds();  // as a paint would
      std::string broken = model.CheckInvariants();
      ASSERT_EQ(broken, "") << "seed " << seed << " step " << step << " op " << op;
      // Visible lines agree with a walk of the expanded flags.
      Index visible = 0;
      for (Index i = 0; i < model.ListCount(); ++i) visible += model.Nodes().IsVisible(i) ? 1 : 0;
      ASSERT_EQ(model.ItemsOpen(), visible) << "seed " << seed << " step " << step;
    }
  }
}

}  // namespace
}  // namespace kv::tree
