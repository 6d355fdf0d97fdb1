// Drag formula, track geometry and scale layout of the slider.
#include "slider/model/slider_layout.h"

#include <gtest/gtest.h>

#include "slider/tests/slider_test_support.h"

namespace kvslide {
namespace {

SliderProperties Horizontal(int min, int max) {
  SliderProperties p;
  p.minValue = static_cast<int16_t>(min);
  p.maxValue = static_cast<int16_t>(max);
  return p;
}

SliderProperties Vertical(int min, int max) {
  SliderProperties p = Horizontal(min, max);
  p.sliderStyle = 1;
  return p;
}

TEST(TrackGeometry, RunsBetweenTheMarginsAndTheOffset) {
  SliderProperties p;
  int start = 0, end = 0;
  TrackEnds(p, 220, 50, &start, &end);
  EXPECT_EQ(start, 10);
  EXPECT_EQ(end, 210);
  p.sliderOffset = 5;
  p.innerLeft = 3;
  p.innerRight = 7;
  TrackEnds(p, 220, 50, &start, &end);
  EXPECT_EQ(start, 8);
  EXPECT_EQ(end, 208);
  p.sliderStyle = 1;
  p.innerTop = 20;
  p.innerBottom = 0;
  TrackEnds(p, 50, 300, &start, &end);
  EXPECT_EQ(start, 25);
  EXPECT_EQ(end, 295);
}

// Track 10..210 (length 200) over 0..100: half a step is 1 pixel.
TEST(DragFormula, HorizontalEndsAndMidPoints) {
  SliderProperties p = Horizontal(0, 100);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, -100), 0);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 9), 0);    // 9 + 1 = start: minimum
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 10), 0);   // (11 - 10) * 100 / 200 = 0
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 11), 1);   // rounded to the nearer step
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 110), 50);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 208), 99);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 209), 100);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 210), 100);  // 211 is beyond the end
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 5000), 100);
}

TEST(DragFormula, VerticalTopIsTheMaximum) {
  SliderProperties p = Vertical(-50, 50);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 0), 50);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 9), 50);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 11), 49);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 110), 0);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 209), -50);
  EXPECT_EQ(ValueAtPosition(p, 10, 210, 400), -50);
}

TEST(DragFormula, WideRangeOnShortTrackHasNoHalfStep) {
  SliderProperties p = Horizontal(-32768, 32767);
  EXPECT_EQ(ValueAtPosition(p, 0, 100, 0), -32768);
  EXPECT_EQ(ValueAtPosition(p, 0, 100, 50), -32768 + 50 * 65535 / 100);
  EXPECT_EQ(ValueAtPosition(p, 0, 100, 100), -32768 + 65535);
}

TEST(DragFormula, EmptyRangeOrTrackNeverDivides) {
  SliderProperties p = Horizontal(7, 7);
  for (int x = -5; x < 30; ++x) EXPECT_EQ(ValueAtPosition(p, 10, 20, x), 7);
  SliderProperties q = Horizontal(0, 100);  // a control narrower than its margins
  EXPECT_EQ(ValueAtPosition(q, 10, 10, 10), 0);
  EXPECT_EQ(ValueAtPosition(q, 10, 10, 11), 100);
  EXPECT_EQ(ValueAtPosition(q, 15, 5, 12), 0);  // ends the wrong way round
  EXPECT_EQ(ValueAtPosition(q, 15, 5, 16), 100);
  EXPECT_EQ(ValueAtPosition(Vertical(7, 7), 10, 20, 15), 7);
}

TEST(DragFormula, PositionAndValueRoundTripOnEveryStep) {
  for (SliderProperties p : {Horizontal(-7, 93), Vertical(-7, 93), Horizontal(0, 1000)}) {
    for (int v = p.minValue; v <= p.maxValue; ++v) {
      int x = ValuePosition(p, 10, 310, v);
      EXPECT_EQ(ValueAtPosition(p, 10, 310, x), v) << "range " << p.minValue << ".." << p.maxValue
                                                    << " vertical " << p.Vertical();
      if (p.maxValue - p.minValue > 300) break;  // more steps than pixels: no exact round trip
    }
  }
}

class LayoutTest : public testing::Test {
 protected:
  test::FixedMeasure measure;
};

TEST_F(LayoutTest, ThumbCentresOnTheValueAndBarFillsFromTheMinimum) {
  SliderProperties p = Horizontal(0, 100);
  p.value = 50;
  SliderLayout l = ComputeLayout(p, 220, 60, measure);
  EXPECT_EQ((l.thumb.left + l.thumb.right) / 2, 110);
  EXPECT_EQ(l.thumb.Width(), kDefaultThumbLength);
  EXPECT_EQ(l.bar.left, 10);
  EXPECT_EQ(l.bar.right, 110);
  EXPECT_LE(l.inner.left, l.thumb.left);  // the inner area holds the thumb's travel
  EXPECT_GE(l.inner.right, ComputeLayout(Horizontal(0, 0), 220, 60, measure).trackEnd);

  SliderProperties v = Vertical(0, 100);
  v.value = 100;
  v.thumbVert = 9;
  v.thumbHorz = 15;
  SliderLayout lv = ComputeLayout(v, 60, 220, measure);
  EXPECT_EQ(lv.thumb.top, 10 - 4);
  EXPECT_EQ(lv.thumb.Height(), 9);
  EXPECT_EQ(lv.thumb.Width(), 15);
  EXPECT_EQ(lv.bar.top, 10);  // full bar: from the thumb down to the minimum end
  EXPECT_EQ(lv.bar.bottom, 210);
}

TEST_F(LayoutTest, MarkScaleLabelsDivisionsWithEndModesAndFactor) {
  SliderProperties p = Horizontal(0, 100);  // divisions 4, ShowMin plain, ShowMax emphasised
  p.showMultiply = 10;
  SliderLayout l = ComputeLayout(p, 420, 70, measure);
  ASSERT_EQ(l.majorTicks.size(), 5u);
  EXPECT_EQ(l.majorTicks.front(), 10);
  EXPECT_EQ(l.majorTicks[2], 210);
  EXPECT_EQ(l.majorTicks.back(), 410);
  EXPECT_TRUE(l.minorTicks.empty());
  ASSERT_EQ(l.labels.size(), 5u);
  EXPECT_EQ(l.labels[0].text, "0");
  EXPECT_FALSE(l.labels[0].emphasised);
  EXPECT_EQ(l.labels[1].text, "1000");
  EXPECT_TRUE(l.labels[1].emphasised);
  EXPECT_EQ(l.labels[3].text, "500");
  for (const ScaleLabel& label : l.labels) {
    EXPECT_GE(label.box.top, l.thumb.bottom);  // the scale lies below the thumb
    EXPECT_LE(label.box.bottom, l.inner.bottom);
    EXPECT_GE(label.box.left, 0);
    EXPECT_LE(label.box.right, 420);
  }

  p.showMin = static_cast<int16_t>(EndLabel::Hidden);
  p.showIncrement = 2;  // every second division
  l = ComputeLayout(p, 420, 70, measure);
  ASSERT_EQ(l.labels.size(), 2u);
  EXPECT_EQ(l.labels[0].text, "1000");
  EXPECT_EQ(l.labels[1].text, "500");
}

TEST_F(LayoutTest, CrowdedLabelsAreDroppedAndTicksStayApart) {
  SliderProperties p = Horizontal(-30000, 30000);
  p.showDivisions = 1000;
  SliderLayout l = ComputeLayout(p, 120, 70, measure);
  EXPECT_LE(l.majorTicks.size(), 100u / 3 + 1);
  for (size_t i = 0; i < l.labels.size(); ++i) {
    for (size_t j = i + 1; j < l.labels.size(); ++j) {
      EXPECT_TRUE(l.labels[i].box.right <= l.labels[j].box.left || l.labels[j].box.right <= l.labels[i].box.left);
    }
  }
}

TEST_F(LayoutTest, VerticalScaleRunsFromMaximumAtTheTop) {
  SliderProperties p = Vertical(0, 40);
  p.sliderType = static_cast<int16_t>(ScaleType::Ruler);
  SliderLayout l = ComputeLayout(p, 90, 220, measure);
  ASSERT_EQ(l.majorTicks.size(), 5u);
  ASSERT_FALSE(l.labels.empty());
  EXPECT_EQ(l.labels[0].text, "40");  // top end = maximum
  EXPECT_TRUE(l.labels[0].emphasised);
  EXPECT_EQ(l.labels[1].text, "0");
  EXPECT_TRUE(l.rulerLine);
  EXPECT_EQ(l.minorTicks.size(), 4u * 9u);  // ten values per division, 50 px apart
  EXPECT_GE(l.labels[0].box.left, l.thumb.right);
}

TEST_F(LayoutTest, ScaleGivesWayToTheThumbWhenThereIsNoRoom) {
  SliderProperties p = Horizontal(0, 100);
  SliderLayout l = ComputeLayout(p, 200, 40, measure);  // 20 px inner height
  EXPECT_TRUE(l.labels.empty());
  EXPECT_GE(l.thumb.Height(), 8);
  l = ComputeLayout(p, 200, 28, measure);
  EXPECT_TRUE(l.majorTicks.empty());
  p.sliderType = static_cast<int16_t>(ScaleType::User);  // labels only, no ticks
  l = ComputeLayout(p, 200, 70, measure);
  EXPECT_TRUE(l.majorTicks.empty());
  EXPECT_FALSE(l.labels.empty());
}

TEST_F(LayoutTest, DegenerateSizesGiveSaneRectangles) {
  SliderProperties p = Horizontal(0, 0);
  for (int w : {0, 1, 15, 30}) {
    for (int h : {0, 1, 15}) {
      SliderLayout l = ComputeLayout(p, w, h, measure);
      EXPECT_LE(l.inner.left, l.inner.right);
      EXPECT_LE(l.inner.top, l.inner.bottom);
      EXPECT_LE(l.groove.left, l.groove.right);
    }
  }
}

}  // namespace
}  // namespace kvslide
