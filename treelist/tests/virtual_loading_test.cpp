// Virtual loading: only lines that come on screen are asked for, each once.
#include <gtest/gtest.h>

#include "treelist/model/virtual_loading.h"
#include "treelist/tests/recording_observer.h"

namespace kv::tree {
namespace {

TEST(VirtualLoading, LinesAreAskedForOnceWhenTheyFirstComeOnScreen) {
  TreeModel model;
  for (int i = 0; i < 20; ++i) model.AddNode(L"", 0, 1);
  LayoutMetrics metrics;
  metrics.width = 200;
  metrics.height = 4 * 18 + 5;  // four whole lines and a part line
  TreeLayout layout(model);
  layout.SetMetrics(metrics);
  EXPECT_EQ(TakeLinesToLoad(model, layout), (std::vector<Index>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(TakeLinesToLoad(model, layout).empty()) << "painted again: nothing new";
  layout.SetTopLine(3);
  EXPECT_EQ(TakeLinesToLoad(model, layout), (std::vector<Index>{5, 6, 7}));
  model.InsertNode(L"", 1, 3);  // a new node before line 3: the marks move with their nodes
  EXPECT_EQ(TakeLinesToLoad(model, layout), (std::vector<Index>{3}));
  EXPECT_FALSE(model.MarkContentAsked(99)) << "an invalid index is never asked for";
}

}  // namespace
}  // namespace kv::tree
