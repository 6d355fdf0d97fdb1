// Slider behaviour: value rules, dragging and keys.
#include "slider/model/slider_model.h"

#include <algorithm>
#include <cassert>
#include <utility>

namespace kvslide {
namespace {

// Used when no window has supplied a measure yet: labels get a nominal size.
class NominalMeasure : public TextMeasure {
 public:
  int TextWidth(const std::string& text, bool) const override { return 7 * static_cast<int>(text.size()); }
  int TextHeight() const override { return 13; }
};
const NominalMeasure kNominal;

int16_t ToShort(int v) { return static_cast<int16_t>(std::min(32767, std::max(-32768, v))); }

}  // namespace

#ifndef NDEBUG
bool InvariantHolds(const SliderProperties& p) { return p.minValue <= p.value && p.value <= p.maxValue; }
#define KV_CHECK_INVARIANT() assert(InvariantHolds(props_))
#else
#define KV_CHECK_INVARIANT() ((void)0)
#endif

void SliderModel::Load(const SliderProperties& p) {
  int16_t before = props_.value;
  props_ = p;
  if (props_.minValue > props_.maxValue) std::swap(props_.minValue, props_.maxValue);
  Clamp();
  dragging_ = false;
  NotifyValue(before);
  Redraw();
}

void SliderModel::Clamp() {
  props_.value = std::min(std::max(props_.value, props_.minValue), props_.maxValue);
  KV_CHECK_INVARIANT();
}

void SliderModel::NotifyValue(int16_t before) {
  if (props_.value != before && observer_) observer_->ValueChanged();
}

void SliderModel::Redraw() {
  if (observer_) observer_->Redraw();
}

void SliderModel::SetValue(int v) {
  int16_t before = props_.value;
  props_.value = ToShort(v);
  Clamp();
  NotifyValue(before);
  Redraw();
}

void SliderModel::SetMinValue(int m) {
  int16_t before = props_.value;
  int16_t value = ToShort(m);
  if (value > props_.maxValue) {  // crossing the maximum: the two ends swap roles
    props_.minValue = props_.maxValue;
    props_.maxValue = value;
  } else {
    props_.minValue = value;
  }
  Clamp();
  NotifyValue(before);
  Redraw();
}

void SliderModel::SetMaxValue(int m) {
  int16_t before = props_.value;
  int16_t value = ToShort(m);
  if (value < props_.minValue) {
    props_.maxValue = props_.minValue;
    props_.minValue = value;
  } else {
    props_.maxValue = value;
  }
  Clamp();
  NotifyValue(before);
  Redraw();
}

bool SliderModel::SetProperty(int id, int32_t v) {
  switch (id) {
    case dispid::kValue:
    case dispid::kSlideValue: SetValue(v); return true;
    case dispid::kMinValue: SetMinValue(v); return true;
    case dispid::kMaxValue: SetMaxValue(v); return true;
    default: break;
  }
  if (!WriteProperty(props_, id, v)) return false;
  if (id == dispid::kEnabled && !props_.enabled) dragging_ = false;
  Redraw();
  return true;
}

bool SliderModel::GetProperty(int id, int32_t* out) const {
  return ReadProperty(props_, id == dispid::kSlideValue ? dispid::kValue : id, out);
}

void SliderModel::SetFontName(const std::string& name) {
  props_.fontName = name;
  Redraw();
}

void SliderModel::SetFontSize(float points) {
  props_.fontSize = std::max(0.0f, std::min(points, 1000.0f));
  Redraw();
}

void SliderModel::SetClientSize(int width, int height) {
  width_ = std::max(0, width);
  height_ = std::max(0, height);
}

void SliderModel::SetTextMeasure(const TextMeasure* measure) { measure_ = measure; }

SliderLayout SliderModel::Layout() const {
  return ComputeLayout(props_, width_, height_, measure_ ? *measure_ : kNominal);
}

bool SliderModel::HitThumb(int x, int y) const { return props_.enabled && Layout().thumb.Contains(x, y); }

bool SliderModel::PressLeft(int x, int y) {
  if (!HitThumb(x, y)) return false;
  dragging_ = true;
  if (observer_) observer_->ThumbClick();
  Redraw();
  return true;
}

void SliderModel::DragTo(int x, int y) {
  if (!dragging_) return;
  int start = 0, end = 0;
  TrackEnds(props_, width_, height_, &start, &end);
  UserValue(ValueAtPosition(props_, start, end, props_.Vertical() ? y : x));
}

void SliderModel::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  Redraw();
}

void SliderModel::UserValue(int v) {
  int16_t before = props_.value;
  props_.value = ToShort(v);
  Clamp();
  if (props_.value == before) return;
  Redraw();
  NotifyValue(before);
  if (observer_) observer_->SlideChange();
}

bool SliderModel::PressKey(SliderKey key) {
  if (!props_.enabled) return false;
  const bool vertical = props_.Vertical();
  const int v = props_.value;
  // Horizontal: left / up / page up go towards the minimum. Vertical: the top is the maximum.
  const int towardsMax = vertical ? 1 : -1;
  int target = v;
  switch (key) {
    case SliderKey::Left:
    case SliderKey::Up: target = v + towardsMax * props_.keyMove; break;
    case SliderKey::Right:
    case SliderKey::Down: target = v - towardsMax * props_.keyMove; break;
    case SliderKey::PageUp: target = v + towardsMax * props_.pageMove; break;
    case SliderKey::PageDown: target = v - towardsMax * props_.pageMove; break;
    case SliderKey::Home: target = vertical ? props_.maxValue : props_.minValue; break;
    case SliderKey::End: target = vertical ? props_.minValue : props_.maxValue; break;
  }
  UserValue(target);  // clamps: a step stops at the end of the range
  return true;
}

}  // namespace kvslide
