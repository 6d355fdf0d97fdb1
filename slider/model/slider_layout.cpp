// Slider geometry. Everything is first worked out in axis terms (along = the slider's direction,
// across = perpendicular to it) and mapped to x/y at the end, so both orientations share one path.
#include "slider/model/slider_layout.h"

#include <algorithm>

namespace kvslide {
namespace {

constexpr int kMinThumbAcross = 8;
constexpr int kMaxThumbAcross = 22;
constexpr int kGrooveHalf = 4;
constexpr int kMarkLength = 5;
constexpr int kRulerMajor = 8, kRulerMinor = 4;
constexpr int kMinTickSpacing = 3, kMinMinorSpacing = 4;
constexpr int kLabelGap = 4;      // between neighbouring labels
constexpr int kTickToLabel = 4;   // between the ticks and their labels

// Rectangle from axis coordinates.
Rect AxisRect(bool vertical, int along0, int along1, int across0, int across1) {
  return vertical ? Rect{across0, along0, across1, along1} : Rect{along0, across0, along1, across1};
}

int Range(const SliderProperties& p) { return static_cast<int>(p.maxValue) - p.minValue; }

int RoundedDivide(int64_t a, int64_t b) { return static_cast<int>((2 * a + b) / (2 * b)); }

struct LabelCandidate {
  int along;
  std::string text;
  bool emphasised, isEnd;
};

}  // namespace

int BorderThickness(int16_t border) {
  switch (static_cast<Border>(border)) {
    case Border::Regular: return 1;
    case Border::Raised:
    case Border::Lowered: return 2;
    default: return 0;
  }
}

void TrackEnds(const SliderProperties& p, int width, int height, int* start, int* end) {
  if (p.Vertical()) {
    *start = p.innerTop + p.sliderOffset;
    *end = height - p.innerBottom - p.sliderOffset;
  } else {
    *start = p.innerLeft + p.sliderOffset;
    *end = width - p.innerRight - p.sliderOffset;
  }
}

int ValuePosition(const SliderProperties& p, int trackStart, int trackEnd, int v) {
  int range = Range(p);
  int length = trackEnd - trackStart;
  if (range <= 0 || length <= 0) return trackStart;
  v = std::min<int>(std::max<int>(v, p.minValue), p.maxValue);
  int fromStart = p.Vertical() ? p.maxValue - v : v - p.minValue;
  return trackStart + static_cast<int>(static_cast<int64_t>(fromStart) * length / range);
}

int16_t ValueAtPosition(const SliderProperties& p, int trackStart, int trackEnd, int pos) {
  const int range = Range(p);
  const int length = trackEnd - trackStart;
  // Half a step moves the pointer onto the nearest step; an empty range or track has no steps.
  if (range > 0 && length > 0) pos += length / (range * 2);
  const bool vertical = p.Vertical();
  if (pos <= trackStart) return vertical ? p.maxValue : p.minValue;
  if (pos > trackEnd || length <= 0) return vertical ? p.minValue : p.maxValue;
  int offset = static_cast<int>(static_cast<int64_t>(pos - trackStart) * range / length);
  return static_cast<int16_t>(vertical ? p.maxValue - offset : p.minValue + offset);
}

std::string ScaleLabelText(const SliderProperties& p, int value) {
  int64_t factor = p.showMultiply == 0 ? 1 : p.showMultiply;
  return std::to_string(static_cast<int64_t>(value) * factor);
}

SliderLayout ComputeLayout(const SliderProperties& p, int width, int height, const TextMeasure& measure) {
  SliderLayout out;
  const bool vertical = p.Vertical();
  out.vertical = vertical;
  out.client = Rect{0, 0, std::max(width, 0), std::max(height, 0)};
  const int alongExtent = vertical ? out.client.bottom : out.client.right;
  const int acrossExtent = vertical ? out.client.right : out.client.bottom;
  const int outer = BorderThickness(p.outerBorder);
  const int innerEdge = BorderThickness(p.innerBorder);

  TrackEnds(p, width, height, &out.trackStart, &out.trackEnd);
  const int thumbAlong = (vertical ? p.thumbVert : p.thumbHorz) > 0 ? (vertical ? p.thumbVert : p.thumbHorz)
                                                                    : kDefaultThumbLength;
  const int thumbAcrossSet = vertical ? p.thumbHorz : p.thumbVert;

  // Inner area: the margins' box, widened along the axis so the thumb's travel stays inside it.
  const int alongStartMargin = vertical ? p.innerTop : p.innerLeft;
  const int alongEndMargin = vertical ? p.innerBottom : p.innerRight;
  const int acrossStartMargin = vertical ? p.innerLeft : p.innerTop;
  const int acrossEndMargin = vertical ? p.innerRight : p.innerBottom;
  int inner0 = std::max(outer, std::min(alongStartMargin, out.trackStart - thumbAlong / 2 - 3));
  int inner1 = std::min(alongExtent - outer,
                        std::max(alongExtent - alongEndMargin, out.trackEnd + (thumbAlong - thumbAlong / 2) + 3));
  int innerA0 = std::max(outer, static_cast<int>(acrossStartMargin));
  int innerA1 = std::max(innerA0, acrossExtent - std::max(outer, static_cast<int>(acrossEndMargin)));
  out.inner = AxisRect(vertical, inner0, std::max(inner0, inner1), innerA0, innerA1);

  const int content0 = innerA0 + innerEdge + 3;
  const int content1 = std::max(content0, innerA1 - innerEdge - 3);
  const int available = content1 - content0;

  // Scale candidates: major ticks (and their labels) first, then decide what fits across.
  const ScaleType type = static_cast<ScaleType>(p.sliderType);
  const int length = out.trackEnd - out.trackStart;
  const int range = Range(p);
  int divisions = std::max<int>(1, p.showDivisions);
  if (length > 0) divisions = std::min(divisions, std::max(1, length / kMinTickSpacing));
  std::vector<int> majors;
  std::vector<LabelCandidate> candidates;
  for (int i = 0; i <= divisions; ++i) {
    int along = out.trackStart + (length > 0 ? static_cast<int>(static_cast<int64_t>(i) * length / divisions) : 0);
    majors.push_back(along);
    int step = RoundedDivide(static_cast<int64_t>(i) * range, divisions);
    int value = vertical ? p.maxValue - step : p.minValue + step;
    bool isEnd = i == 0 || i == divisions;
    bool atMin = isEnd && (vertical ? i == divisions : i == 0);
    EndLabel mode = static_cast<EndLabel>(atMin ? p.showMin : p.showMax);
    bool shown = isEnd ? mode != EndLabel::Hidden : (p.showIncrement > 0 && i % p.showIncrement == 0);
    if (shown) {
      candidates.push_back({along, ScaleLabelText(p, value), isEnd && mode == EndLabel::Emphasised, isEnd});
    }
  }
  int labelAcross = 0;
  for (const LabelCandidate& c : candidates) {
    labelAcross = std::max(labelAcross, vertical ? measure.TextWidth(c.text, c.emphasised) : measure.TextHeight());
  }
  int tickAcross = type == ScaleType::Mark ? kMarkLength : type == ScaleType::Ruler ? kRulerMajor : 0;
  bool showTicks = tickAcross > 0;
  bool showLabels = !candidates.empty();
  auto scaleAcross = [&]() {
    return (showTicks ? tickAcross + kTickToLabel : 0) + (showLabels ? labelAcross + 1 : 0);
  };
  if (available - scaleAcross() < kMinThumbAcross) showLabels = false;
  if (available - scaleAcross() < kMinThumbAcross) showTicks = false;
  const int scale = scaleAcross();

  // Thumb and track centred in what the scale leaves.
  int band1 = content1 - scale;
  int centre = (content0 + band1) / 2;
  int thumbAcross = thumbAcrossSet > 0 ? thumbAcrossSet
                                       : std::min(kMaxThumbAcross, std::max(kMinThumbAcross, band1 - content0));
  int pos = ValuePosition(p, out.trackStart, out.trackEnd, p.value);
  out.groove = AxisRect(vertical, out.trackStart, std::max(out.trackStart, out.trackEnd), centre - kGrooveHalf,
                        centre + kGrooveHalf);
  out.bar = vertical ? AxisRect(true, pos, std::max(pos, out.trackEnd), centre - kGrooveHalf, centre + kGrooveHalf)
                     : AxisRect(false, out.trackStart, pos, centre - kGrooveHalf, centre + kGrooveHalf);
  out.thumb = AxisRect(vertical, pos - thumbAlong / 2, pos - thumbAlong / 2 + thumbAlong, centre - thumbAcross / 2,
                       centre - thumbAcross / 2 + thumbAcross);

  // Scale ticks.
  int across = band1 + 1;
  out.tickBase = across;
  if (showTicks) {
    out.majorTicks = majors;
    out.majorLength = tickAcross;
    if (type == ScaleType::Ruler) {
      out.rulerLine = true;
      out.minorLength = kRulerMinor;
      int perDivision = range / divisions;
      int spacing = length / divisions;
      int sub = 1;
      for (int candidate : {perDivision, 10, 5, 2}) {
        if (candidate >= 2 && candidate <= 10 && spacing / candidate >= kMinMinorSpacing) {
          sub = candidate;
          break;
        }
      }
      for (size_t i = 0; sub > 1 && i + 1 < majors.size(); ++i) {
        for (int j = 1; j < sub; ++j) out.minorTicks.push_back(majors[i] + (majors[i + 1] - majors[i]) * j / sub);
      }
    }
    across += tickAcross + kTickToLabel;
  }

  // Labels: ends first, then the inner ones that do not crowd a label already placed. They stay
  // inside the inner area, clear of its border and the focus rectangle.
  if (showLabels) {
    const int labelMin = inner0 + innerEdge + 3, labelMax = std::max(inner0, inner1) - innerEdge - 3;
    std::vector<std::pair<int, int>> taken;
    auto place = [&](const LabelCandidate& c) {
      int w = measure.TextWidth(c.text, c.emphasised);
      int alongSize = vertical ? measure.TextHeight() : w;
      int a0 = c.along - alongSize / 2;
      a0 = std::max(labelMin, std::min(a0, labelMax - alongSize));
      int a1 = a0 + alongSize;
      for (const auto& t : taken) {
        if (a0 < t.second + kLabelGap && t.first < a1 + kLabelGap) return;
      }
      taken.push_back({a0, a1});
      int acrossSize = vertical ? w : measure.TextHeight();
      out.labels.push_back({AxisRect(vertical, a0, a1, across, across + acrossSize), c.text, c.emphasised});
    };
    for (const LabelCandidate& c : candidates) {
      if (c.isEnd) place(c);
    }
    for (const LabelCandidate& c : candidates) {
      if (!c.isEnd) place(c);
    }
  }
  return out;
}

}  // namespace kvslide
