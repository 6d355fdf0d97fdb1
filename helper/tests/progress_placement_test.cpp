// Placing the progress window over its owner, at the screen edges, and without a readable owner.
#include <gtest/gtest.h>

#include "helper/core/progress_placement.h"

namespace kv::helper {
namespace {

PlacementMetrics Metrics() {
  PlacementMetrics m;
  m.WindowWidth = 4800;
  m.WindowHeight = 1800;
  m.ScreenWidth = 1024 * 15;
  m.ScreenHeight = 768 * 15;
  return m;
}

TEST(ProgressPlacement, CentredOverTheOwner) {
  const PixelRect owner{100, 50, 500, 350};
  const TwipPoint p = PlaceOverOwner(&owner, Metrics());
  EXPECT_EQ(p.Left, 200 * 15 + 100 * 15 - 2400);
  EXPECT_EQ(p.Top, 150 * 15 + 50 * 15 - 900);
}

TEST(ProgressPlacement, StopsAtTheRightAndBottomEdges) {
  const PixelRect owner{900, 700, 1020, 760};
  const TwipPoint p = PlaceOverOwner(&owner, Metrics());
  EXPECT_EQ(p.Left, 1024 * 15 - 4800);
  EXPECT_EQ(p.Top, 768 * 15 - 1800);
}

TEST(ProgressPlacement, NeverNegative) {
  const PixelRect owner{-300, -300, -100, -200};
  const TwipPoint p = PlaceOverOwner(&owner, Metrics());
  EXPECT_EQ(p.Left, 0);
  EXPECT_EQ(p.Top, 0);
  PlacementMetrics tiny = Metrics();
  tiny.ScreenWidth = 1000;
  const PixelRect any{0, 0, 10, 10};
  EXPECT_EQ(PlaceOverOwner(&any, tiny).Left, 0) << "window wider than the screen";
}

TEST(ProgressPlacement, UnreadableOwnerCentresOnTheScreen) {
  const TwipPoint p = PlaceOverOwner(nullptr, Metrics());
  EXPECT_EQ(p.Left, (1024 * 15 - 4800) / 2);
  EXPECT_EQ(p.Top, (768 * 15 - 1800) / 2);
}

}  // namespace
}  // namespace kv::helper
