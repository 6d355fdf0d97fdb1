// The slider's persistent properties: their values, dispatch ids, names and defaults, the rules that
// reject values a property cannot take, and loading/saving through a name/value bag.
#pragma once

#include <cstdint>
#include <string>

#include "slider/model/slider_types.h"

namespace kvslide {

struct SliderProperties {
  uint32_t backColor = 0xC0C0C0;
  uint32_t foreColor = 0x000000;
  std::string fontName;  // empty: the container's font
  bool fontBold = false, fontItalic = false, fontStrikethru = false, fontUnderline = false;
  float fontSize = 0;  // points; 0: the container's size
  int16_t innerBorder = 1;
  int16_t outerBorder = 0;
  int16_t sliderStyle = 0;
  int16_t keyMove = 1;
  int16_t pageMove = 5;
  uint32_t borderColor = 0x000000;
  uint32_t innerColor = 0xFFFFFF;
  int16_t value = 0;
  int16_t minValue = 0;
  int16_t maxValue = 100;
  int16_t innerBottom = 10, innerLeft = 10, innerRight = 10, innerTop = 10;
  int16_t sliderType = 0;
  int16_t showMax = 2;
  int16_t showMin = 0;
  int16_t showIncrement = 1;
  int16_t showDivisions = 4;
  int16_t sliderOffset = 0;
  int16_t thumbVert = 0, thumbHorz = 0;
  int16_t thumbStyle = 0;
  int16_t showMultiply = 1;
  uint32_t barColor = 0xFFFFFF;
  bool enabled = true;

  bool Vertical() const { return sliderStyle == static_cast<int16_t>(SliderStyle::Vertical); }
};

enum class PropertyKind { Colour, Number, Boolean, Choice };

// One integer-valued persistent property. Value, MinValue and MaxValue are listed too, but set
// through the slider model, which keeps their invariant.
struct PropertyInfo {
  int id;
  const char* name;
  PropertyKind kind;
  int32_t low, high;  // accepted range (Number, Choice)
};

// Every integer-valued persistent property in dispatch-id order (fonts, pictures and the
// SlideValue alias are not in it).
const PropertyInfo* IntegerProperties(int* count);
const PropertyInfo* FindProperty(int id);

// Reads / writes an integer-valued property by dispatch id; Read returns false for an unknown id.
bool ReadProperty(const SliderProperties& p, int id, int32_t* out);
// Returns false, changing nothing, for an unknown id or a value outside the property's range.
// Value, MinValue and MaxValue are stored as given: callers go through SliderModel for them.
bool WriteProperty(SliderProperties& p, int id, int32_t v);

// Storage that persists the properties by name (a container's property bag, a test map).
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  virtual bool ReadNumber(const char* name, int32_t* out) const = 0;
  virtual bool ReadText(const char* name, std::string* out) const = 0;
  virtual void WriteNumber(const char* name, int32_t v) = 0;
  virtual void WriteText(const char* name, const std::string& v) = 0;
};

// Loads every property the bag holds; absent or unacceptable ones keep their defaults. The result
// always satisfies MinValue <= Value <= MaxValue (a stored range the wrong way round is swapped).
SliderProperties LoadProperties(const PropertyBag& bag);
void SaveProperties(const SliderProperties& p, PropertyBag& bag);

}  // namespace kvslide
