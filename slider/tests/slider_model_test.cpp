// Value rules, events, dragging and keys of the slider model.
#include "slider/model/slider_model.h"

#include <gtest/gtest.h>

#include <random>

#include "slider/tests/slider_test_support.h"

namespace kvslide {
namespace {

using test::EventLog;

struct Range {
  int min, max, value;
};
Range Of(const SliderModel& m) {
  return {m.Properties().minValue, m.Properties().maxValue, m.Properties().value};
}
#define EXPECT_RANGE(m, lo, hi, v)                     \
  do {                                                 \
    Range r_ = Of(m);                                  \
    EXPECT_EQ(r_.min, lo);                             \
    EXPECT_EQ(r_.max, hi);                             \
    EXPECT_EQ(r_.value, v);                            \
  } while (0)

class SliderModelTest : public testing::Test {
 protected:
  SliderModelTest() : model(&log) { model.SetClientSize(220, 60); }
  EventLog log;
  SliderModel model;
};

TEST_F(SliderModelTest, ProgramSettersKeepTheRangeAndNeverFireSlideChange) {
  model.SetMinValue(150);  // crosses the maximum: range 100..150, value pulled up
  EXPECT_RANGE(model, 100, 150, 100);
  EXPECT_EQ(log.Take(), "changed");

  model.SetMaxValue(20);  // below the minimum: the ends swap roles
  EXPECT_RANGE(model, 20, 100, 100);
  EXPECT_EQ(log.Take(), "");  // value did not move

  model.SetValue(-5);
  EXPECT_RANGE(model, 20, 100, 20);
  model.SetValue(500);
  EXPECT_RANGE(model, 20, 100, 100);
  model.SetValue(100);  // unchanged: no notice
  EXPECT_EQ(log.Take(), "changed changed");

  model.SetMaxValue(50);  // value clamped down
  EXPECT_RANGE(model, 20, 50, 50);
  EXPECT_EQ(log.Take(), "changed");
}

TEST_F(SliderModelTest, ValueBelowMinimumOnDefaultRangeStoresZero) {
  model.SetValue(-5);
  EXPECT_RANGE(model, 0, 100, 0);
  EXPECT_EQ(log.Take(), "");
}

TEST_F(SliderModelTest, SettersTakeSixteenBitValuesAndSaturateBeyond) {
  model.SetMinValue(-32768);
  model.SetMaxValue(32767);
  model.SetValue(70000);
  EXPECT_RANGE(model, -32768, 32767, 32767);
  int32_t alias = 0;
  ASSERT_TRUE(model.GetProperty(dispid::kSlideValue, &alias));
  EXPECT_EQ(alias, 32767);
  ASSERT_TRUE(model.SetProperty(dispid::kSlideValue, 12));
  EXPECT_EQ(model.Properties().value, 12);
}

TEST_F(SliderModelTest, InvalidPropertyValuesAreRefusedUnchanged) {
  EXPECT_FALSE(model.SetProperty(dispid::kSliderStyle, 2));
  EXPECT_FALSE(model.SetProperty(dispid::kThumbStyle, -1));
  EXPECT_FALSE(model.SetProperty(dispid::kInnerLeft, -3));
  EXPECT_FALSE(model.SetProperty(dispid::kKeyMove, -1));
  EXPECT_FALSE(model.SetProperty(9999, 1));
  EXPECT_EQ(model.Properties().sliderStyle, 0);
  EXPECT_EQ(model.Properties().innerLeft, 10);
  EXPECT_TRUE(model.SetProperty(dispid::kSliderStyle, 1));
  EXPECT_TRUE(model.Properties().Vertical());
}

TEST_F(SliderModelTest, KeysStepAndStopAtTheEndsFiringOnlyOnChange) {
  model.SetValue(2);
  log.Take();
  model.SetProperty(dispid::kKeyMove, 3);
  EXPECT_TRUE(model.PressKey(SliderKey::Left));
  EXPECT_EQ(model.Properties().value, 0);  // stops at the minimum, does not wrap
  EXPECT_EQ(log.Take(), "changed slide");
  EXPECT_TRUE(model.PressKey(SliderKey::Left));
  EXPECT_TRUE(model.PressKey(SliderKey::Home));
  EXPECT_EQ(log.Take(), "");  // nothing moved, nothing fired
  model.PressKey(SliderKey::End);
  EXPECT_EQ(model.Properties().value, 100);
  model.PressKey(SliderKey::PageDown);
  EXPECT_EQ(model.Properties().value, 100);
  model.PressKey(SliderKey::PageUp);
  EXPECT_EQ(model.Properties().value, 95);
  model.PressKey(SliderKey::Right);
  model.PressKey(SliderKey::Down);
  EXPECT_EQ(model.Properties().value, 100);
  EXPECT_EQ(log.Take(), "changed slide changed slide changed slide changed slide");
}

TEST_F(SliderModelTest, VerticalKeysTreatTheTopAsTheMaximum) {
  model.SetProperty(dispid::kSliderStyle, 1);
  model.SetValue(50);
  log.Take();
  model.PressKey(SliderKey::Home);
  EXPECT_EQ(model.Properties().value, 100);
  model.PressKey(SliderKey::Down);
  EXPECT_EQ(model.Properties().value, 99);
  model.PressKey(SliderKey::PageDown);
  EXPECT_EQ(model.Properties().value, 94);
  model.PressKey(SliderKey::Up);
  model.PressKey(SliderKey::PageUp);
  EXPECT_EQ(model.Properties().value, 100);
  model.PressKey(SliderKey::End);
  EXPECT_EQ(model.Properties().value, 0);
  model.PressKey(SliderKey::Right);
  EXPECT_EQ(model.Properties().value, 0);
  EXPECT_EQ(log.Take(), "changed slide changed slide changed slide changed slide changed slide changed slide");
}

TEST_F(SliderModelTest, DisabledSliderIgnoresKeysAndMouse) {
  model.SetProperty(dispid::kEnabled, 0);
  model.SetValue(50);
  log.Take();
  EXPECT_FALSE(model.PressKey(SliderKey::End));
  SliderLayout l = model.Layout();
  EXPECT_FALSE(model.PressLeft(l.thumb.left + 2, l.thumb.top + 2));
  EXPECT_EQ(model.Properties().value, 50);
  EXPECT_EQ(log.Take(), "");
}

TEST_F(SliderModelTest, DragFiresThumbClickThenSlideChangesUntilReleased) {
  SliderLayout l = model.Layout();
  int y = (l.thumb.top + l.thumb.bottom) / 2;
  EXPECT_FALSE(model.PressLeft(l.thumb.right + 5, y));  // beside the thumb: no drag
  EXPECT_EQ(log.Take(), "");
  ASSERT_TRUE(model.PressLeft(l.thumb.left + 1, y));
  EXPECT_TRUE(model.Dragging());
  EXPECT_EQ(log.Take(), "thumb");
  model.DragTo(l.trackEnd + 40, y);
  EXPECT_EQ(model.Properties().value, 100);
  model.DragTo(l.trackEnd + 80, y);  // still the maximum: no second event
  EXPECT_EQ(log.Take(), "changed slide");
  model.EndDrag();
  model.DragTo(l.trackStart, y);  // no longer dragging
  EXPECT_EQ(model.Properties().value, 100);
  EXPECT_EQ(log.Take(), "");
}

TEST_F(SliderModelTest, DraggingVerticalThumbToTheTopGivesMaximum) {
  model.SetClientSize(60, 220);
  model.SetProperty(dispid::kSliderStyle, 1);
  model.SetValue(30);
  SliderLayout l = model.Layout();
  ASSERT_TRUE(model.PressLeft((l.thumb.left + l.thumb.right) / 2, l.thumb.top + 1));
  model.DragTo(0, l.trackStart);
  EXPECT_EQ(model.Properties().value, 100);
  model.DragTo(0, -50);
  EXPECT_EQ(model.Properties().value, 100);
  model.DragTo(0, l.trackEnd + 1);
  EXPECT_EQ(model.Properties().value, 0);
}

TEST_F(SliderModelTest, EmptyRangeDragNeverChangesTheValue) {
  model.SetMaxValue(0);
  log.Take();
  SliderLayout l = model.Layout();
  ASSERT_TRUE(model.PressLeft(l.thumb.left + 1, l.thumb.top + 1));
  for (int x = -10; x < 240; x += 7) model.DragTo(x, 0);
  EXPECT_RANGE(model, 0, 0, 0);
  EXPECT_EQ(log.Take(), "thumb");
}

TEST_F(SliderModelTest, LoadRestoresTheRangeOfAReversedStore) {
  SliderProperties p;
  p.minValue = 90;
  p.maxValue = 10;
  p.value = 200;
  model.Load(p);
  EXPECT_RANGE(model, 10, 90, 90);
}

// Random program and user operations never break MinValue <= Value <= MaxValue, and user
// operations fire SlideChange exactly when the value moved.
TEST_F(SliderModelTest, RandomOperationsKeepTheInvariant) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pick(0, 8), num(-40000, 40000), small(-20, 140), pixel(-30, 260);
  for (int i = 0; i < 5000; ++i) {
    int before = model.Properties().value;
    log.Take();
    switch (pick(rng)) {
      case 0: model.SetValue(small(rng)); break;
      case 1: model.SetMinValue(small(rng)); break;
      case 2: model.SetMaxValue(small(rng)); break;
      case 3: model.SetValue(num(rng)); break;
      case 4: model.SetProperty(dispid::kSliderStyle, i % 2); break;
      case 5: model.PressKey(static_cast<SliderKey>(i % 8)); break;
      case 6: {
        SliderLayout l = model.Layout();
        model.PressLeft(l.thumb.left, l.thumb.top);
        break;
      }
      case 7: model.DragTo(pixel(rng), pixel(rng)); break;
      default: model.EndDrag(); break;
    }
    const SliderProperties& p = model.Properties();
    ASSERT_LE(p.minValue, p.value);
    ASSERT_LE(p.value, p.maxValue);
    std::string events = log.Take();
    if (events.find("slide") != std::string::npos) {
      ASSERT_NE(before, p.value) << events;
    }
  }
}

}  // namespace
}  // namespace kvslide
