// Property table, defaults and persistence of the slider.
#include "slider/model/slider_properties.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kvslide {
namespace {

class MapBag : public PropertyBag {
 public:
  bool ReadNumber(const char* name, int32_t* out) const override {
    auto it = numbers.find(name);
    if (it == numbers.end()) return false;
    *out = it->second;
    return true;
  }
  bool ReadText(const char* name, std::string* out) const override {
    auto it = texts.find(name);
    if (it == texts.end()) return false;
    *out = it->second;
    return true;
  }
  void WriteNumber(const char* name, int32_t v) override { numbers[name] = v; }
  void WriteText(const char* name, const std::string& v) override { texts[name] = v; }
  std::map<std::string, int32_t> numbers;
  std::map<std::string, std::string> texts;
};

int32_t Read(const SliderProperties& p, int id) {
  int32_t v = -999;
  EXPECT_TRUE(ReadProperty(p, id, &v)) << id;
  return v;
}

TEST(SliderPropertyTable, DefaultsOfEveryProperty) {
  SliderProperties p;
  const std::map<int, int32_t> expected = {
      {1, 0xC0C0C0}, {2, 0}, {9, 1}, {10, 0}, {11, 0}, {12, 1}, {13, 5}, {14, 0}, {15, 0xFFFFFF},
      {16, 0}, {17, 0}, {18, 100}, {19, 10}, {20, 10}, {21, 10}, {22, 10}, {23, 0}, {24, 2},
      {25, 0}, {26, 1}, {27, 4}, {28, 0}, {29, 0}, {30, 0}, {33, 0}, {34, 1}, {35, 0xFFFFFF}};
  for (const auto& [id, value] : expected) EXPECT_EQ(Read(p, id), value) << "dispatch id " << id;
  EXPECT_EQ(Read(p, dispid::kEnabled), 1);
}

TEST(SliderPropertyTable, IdsAndNamesAreUnique) {
  int count = 0;
  const PropertyInfo* table = IntegerProperties(&count);
  std::set<int> ids;
  std::set<std::string> names;
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(ids.insert(table[i].id).second) << table[i].name;
    EXPECT_TRUE(names.insert(table[i].name).second) << table[i].name;
    int32_t v = 0;
    EXPECT_TRUE(ReadProperty(SliderProperties(), table[i].id, &v)) << table[i].name;
  }
  EXPECT_EQ(FindProperty(dispid::kSliderStyle)->name, std::string("SliderStyle"));
  EXPECT_EQ(FindProperty(dispid::kSlideValue), nullptr);  // an alias, not persisted
}

TEST(SliderPersistence, SavedPropertiesLoadBackEqual) {
  SliderProperties p;
  p.backColor = 0x123456;
  p.sliderStyle = 1;
  p.minValue = -20;
  p.maxValue = 300;
  p.value = 250;
  p.thumbStyle = 2;
  p.fontName = "Arial";
  p.fontSize = 9.5f;
  p.fontBold = true;
  MapBag bag;
  SaveProperties(p, bag);
  SliderProperties q = LoadProperties(bag);
  EXPECT_EQ(q.backColor, 0x123456u);
  EXPECT_TRUE(q.Vertical());
  EXPECT_EQ(q.minValue, -20);
  EXPECT_EQ(q.maxValue, 300);
  EXPECT_EQ(q.value, 250);
  EXPECT_EQ(q.thumbStyle, 2);
  EXPECT_EQ(q.fontName, "Arial");
  EXPECT_FLOAT_EQ(q.fontSize, 9.5f);
  EXPECT_TRUE(q.fontBold);
}

TEST(SliderPersistence, DamagedStoreFallsBackToDefaultsAndKeepsTheInvariant) {
  MapBag bag;
  bag.numbers["SliderStyle"] = 9;    // not a style
  bag.numbers["InnerLeft"] = -4;     // negative margin
  bag.numbers["KeyMove"] = 100000;   // beyond 16 bits
  bag.numbers["MinValue"] = 80;
  bag.numbers["MaxValue"] = 20;      // reversed range
  bag.numbers["Value"] = 5;
  bag.texts["FontSize"] = "huge";
  SliderProperties p = LoadProperties(bag);
  EXPECT_EQ(p.sliderStyle, 0);
  EXPECT_EQ(p.innerLeft, 10);
  EXPECT_EQ(p.keyMove, 1);
  EXPECT_EQ(p.minValue, 20);
  EXPECT_EQ(p.maxValue, 80);
  EXPECT_EQ(p.value, 20);
  EXPECT_EQ(p.fontSize, 0.0f);
}

}  // namespace
}  // namespace kvslide
