// Property table of the slider: ids, names, accepted ranges, and persistence through a bag.
#include "slider/model/slider_properties.h"

#include <utility>

namespace kvslide {
namespace {

constexpr int32_t kShortLow = -32768, kShortHigh = 32767;

const PropertyInfo kProperties[] = {
    {dispid::kBackColor, "BackColor", PropertyKind::Colour, 0, 0},
    {dispid::kForeColor, "ForeColor", PropertyKind::Colour, 0, 0},
    {dispid::kFontBold, "FontBold", PropertyKind::Boolean, 0, 1},
    {dispid::kFontItalic, "FontItalic", PropertyKind::Boolean, 0, 1},
    {dispid::kFontStrikethru, "FontStrikethru", PropertyKind::Boolean, 0, 1},
    {dispid::kFontUnderline, "FontUnderline", PropertyKind::Boolean, 0, 1},
    {dispid::kInnerBorder, "InnerBorder", PropertyKind::Choice, 0, 3},
    {dispid::kOuterBorder, "OuterBorder", PropertyKind::Choice, 0, 3},
    {dispid::kSliderStyle, "SliderStyle", PropertyKind::Choice, 0, 1},
    {dispid::kKeyMove, "KeyMove", PropertyKind::Number, 0, kShortHigh},
    {dispid::kPageMove, "PageMove", PropertyKind::Number, 0, kShortHigh},
    {dispid::kBorderColor, "BorderColor", PropertyKind::Colour, 0, 0},
    {dispid::kInnerColor, "InnerColor", PropertyKind::Colour, 0, 0},
    {dispid::kValue, "Value", PropertyKind::Number, kShortLow, kShortHigh},
    {dispid::kMinValue, "MinValue", PropertyKind::Number, kShortLow, kShortHigh},
    {dispid::kMaxValue, "MaxValue", PropertyKind::Number, kShortLow, kShortHigh},
    {dispid::kInnerBottom, "InnerBottom", PropertyKind::Number, 0, kShortHigh},
    {dispid::kInnerLeft, "InnerLeft", PropertyKind::Number, 0, kShortHigh},
    {dispid::kInnerRight, "InnerRight", PropertyKind::Number, 0, kShortHigh},
    {dispid::kInnerTop, "InnerTop", PropertyKind::Number, 0, kShortHigh},
    {dispid::kSliderType, "SliderType", PropertyKind::Choice, 0, 2},
    {dispid::kShowMax, "ShowMax", PropertyKind::Choice, 0, 2},
    {dispid::kShowMin, "ShowMin", PropertyKind::Choice, 0, 2},
    {dispid::kShowIncrement, "ShowIncrement", PropertyKind::Number, 0, kShortHigh},
    {dispid::kShowDivisions, "ShowDivisions", PropertyKind::Number, 0, kShortHigh},
    {dispid::kSliderOffset, "SliderOffset", PropertyKind::Number, 0, kShortHigh},
    {dispid::kThumbVert, "ThumbVert", PropertyKind::Number, 0, kShortHigh},
    {dispid::kThumbHorz, "ThumbHorz", PropertyKind::Number, 0, kShortHigh},
    {dispid::kThumbStyle, "ThumbStyle", PropertyKind::Choice, 0, 3},
    {dispid::kShowMultiply, "ShowMultiply", PropertyKind::Number, kShortLow, kShortHigh},
    {dispid::kBarColor, "BarColor", PropertyKind::Colour, 0, 0},
    {dispid::kEnabled, "Enabled", PropertyKind::Boolean, 0, 1},
};

// The field behind a dispatch id, for reading (const) and writing alike.
template <class Props>
auto ShortField(Props& p, int id) -> decltype(&p.innerBorder) {
  switch (id) {
    case dispid::kInnerBorder: return &p.innerBorder;
    case dispid::kOuterBorder: return &p.outerBorder;
    case dispid::kSliderStyle: return &p.sliderStyle;
    case dispid::kKeyMove: return &p.keyMove;
    case dispid::kPageMove: return &p.pageMove;
    case dispid::kValue: return &p.value;
    case dispid::kMinValue: return &p.minValue;
    case dispid::kMaxValue: return &p.maxValue;
    case dispid::kInnerBottom: return &p.innerBottom;
    case dispid::kInnerLeft: return &p.innerLeft;
    case dispid::kInnerRight: return &p.innerRight;
    case dispid::kInnerTop: return &p.innerTop;
    case dispid::kSliderType: return &p.sliderType;
    case dispid::kShowMax: return &p.showMax;
    case dispid::kShowMin: return &p.showMin;
    case dispid::kShowIncrement: return &p.showIncrement;
    case dispid::kShowDivisions: return &p.showDivisions;
    case dispid::kSliderOffset: return &p.sliderOffset;
    case dispid::kThumbVert: return &p.thumbVert;
    case dispid::kThumbHorz: return &p.thumbHorz;
    case dispid::kThumbStyle: return &p.thumbStyle;
    case dispid::kShowMultiply: return &p.showMultiply;
    default: return nullptr;
  }
}

template <class Props>
auto ColourField(Props& p, int id) -> decltype(&p.backColor) {
  switch (id) {
    case dispid::kBackColor: return &p.backColor;
    case dispid::kForeColor: return &p.foreColor;
    case dispid::kBorderColor: return &p.borderColor;
    case dispid::kInnerColor: return &p.innerColor;
    case dispid::kBarColor: return &p.barColor;
    default: return nullptr;
  }
}

template <class Props>
auto FlagField(Props& p, int id) -> decltype(&p.fontBold) {
  switch (id) {
    case dispid::kFontBold: return &p.fontBold;
    case dispid::kFontItalic: return &p.fontItalic;
    case dispid::kFontStrikethru: return &p.fontStrikethru;
    case dispid::kFontUnderline: return &p.fontUnderline;
    case dispid::kEnabled: return &p.enabled;
    default: return nullptr;
  }
}

}  // namespace

const PropertyInfo* IntegerProperties(int* count) {
  *count = static_cast<int>(sizeof(kProperties) / sizeof(kProperties[0]));
  return kProperties;
}

const PropertyInfo* FindProperty(int id) {
  for (const PropertyInfo& info : kProperties) {
    if (info.id == id) return &info;
  }
  return nullptr;
}

bool ReadProperty(const SliderProperties& p, int id, int32_t* out) {
  if (const int16_t* s = ShortField(p, id)) {
    *out = *s;
  } else if (const uint32_t* c = ColourField(p, id)) {
    *out = static_cast<int32_t>(*c);
  } else if (const bool* f = FlagField(p, id)) {
    *out = *f ? 1 : 0;
  } else {
    return false;
  }
  return true;
}

bool WriteProperty(SliderProperties& p, int id, int32_t v) {
  const PropertyInfo* info = FindProperty(id);
  if (!info) return false;
  switch (info->kind) {
    case PropertyKind::Colour:
      *ColourField(p, id) = static_cast<uint32_t>(v);
      return true;
    case PropertyKind::Boolean:
      *FlagField(p, id) = v != 0;  // any non-zero is true
      return true;
    case PropertyKind::Number:
    case PropertyKind::Choice:
      if (v < info->low || v > info->high) return false;
      *ShortField(p, id) = static_cast<int16_t>(v);
      return true;
  }
  return false;
}

SliderProperties LoadProperties(const PropertyBag& bag) {
  SliderProperties p;
  int count = 0;
  const PropertyInfo* table = IntegerProperties(&count);
  for (int i = 0; i < count; ++i) {
    int32_t v = 0;
    if (bag.ReadNumber(table[i].name, &v)) WriteProperty(p, table[i].id, v);
  }
  std::string name;
  if (bag.ReadText("FontName", &name)) p.fontName = name;
  std::string size;
  if (bag.ReadText("FontSize", &size)) {
    float points = 0;
    bool any = false;
    float scale = 0;
    for (char ch : size) {  // lenient decimal: digits with an optional point
      if (ch >= '0' && ch <= '9') {
        any = true;
        if (scale == 0) {
          points = points * 10 + static_cast<float>(ch - '0');
        } else {
          points += static_cast<float>(ch - '0') * scale;
          scale /= 10;
        }
      } else if (ch == '.' && scale == 0) {
        scale = 0.1f;
      } else {
        break;
      }
    }
    if (any && points <= 1000) p.fontSize = points;
  }
  if (p.minValue > p.maxValue) std::swap(p.minValue, p.maxValue);
  if (p.value < p.minValue) p.value = p.minValue;
  if (p.value > p.maxValue) p.value = p.maxValue;
  return p;
}

void SaveProperties(const SliderProperties& p, PropertyBag& bag) {
  int count = 0;
  const PropertyInfo* table = IntegerProperties(&count);
  for (int i = 0; i < count; ++i) {
    int32_t v = 0;
    if (ReadProperty(p, table[i].id, &v)) bag.WriteNumber(table[i].name, v);
  }
  bag.WriteText("FontName", p.fontName);
  // Tenths of a point are enough for a font size.
  int tenths = static_cast<int>(p.fontSize * 10 + 0.5f);
  bag.WriteText("FontSize", std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
}

}  // namespace kvslide
