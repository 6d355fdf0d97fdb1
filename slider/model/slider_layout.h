// Geometry of a slider: inner area, track, filled bar, thumb and scale, computed from the
// properties and the client size, so painting and hit-testing follow one set of numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "slider/model/slider_properties.h"
#include "slider/model/slider_types.h"

namespace kvslide {

// Measures scale labels in the font the control draws with.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(const std::string& text, bool bold) const = 0;
  virtual int TextHeight() const = 0;
};

struct ScaleLabel {
  Rect box;
  std::string text;
  bool emphasised = false;
};

struct SliderLayout {
  bool vertical = false;
  Rect client;
  Rect inner;                    // the inner area (InnerColor, InnerBorder)
  int trackStart = 0, trackEnd = 0;  // along the slider's axis (x horizontal, y vertical)
  Rect groove;                   // the track line
  Rect bar;                      // filled part of the track, from the minimum end to the thumb
  Rect thumb;
  // Scale: tick positions along the axis; ticks run across it from tickBase for the given lengths.
  std::vector<int> majorTicks, minorTicks;
  int tickBase = 0, majorLength = 0, minorLength = 0;
  bool rulerLine = false;        // SlideRuler draws a base line joining its ticks
  std::vector<ScaleLabel> labels;
};

constexpr int kDefaultThumbLength = 11;  // along the axis, when ThumbHorz / ThumbVert is 0

int BorderThickness(int16_t border);

// Pixel position along the axis of value v (clamped into the range); range 0 never divides.
int ValuePosition(const SliderProperties& p, int trackStart, int trackEnd, int v);

// Value picked by the pointer at position p along the axis, rounded to the nearest step.
int16_t ValueAtPosition(const SliderProperties& p, int trackStart, int trackEnd, int pos);

// Track ends along the axis for a client of the given size.
void TrackEnds(const SliderProperties& p, int width, int height, int* start, int* end);

SliderLayout ComputeLayout(const SliderProperties& p, int width, int height, const TextMeasure& measure);

// Text of a scale label: the value times ShowMultiply (0 counts as 1).
std::string ScaleLabelText(const SliderProperties& p, int value);

}  // namespace kvslide
