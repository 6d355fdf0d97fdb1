// Behaviour of one slider without any window: the value rules (MinValue <= Value <= MaxValue),
// dragging the thumb, the keyboard, and which events each change raises.
#pragma once

#include <cstdint>

#include "slider/model/slider_layout.h"
#include "slider/model/slider_properties.h"

namespace kvslide {

// What the model tells its owner. Program changes raise only ValueChanged (the bound-property
// notice for Value); user changes (drag, keys) raise ValueChanged and then SlideChange.
class SliderObserver {
 public:
  virtual ~SliderObserver() = default;
  virtual void ValueChanged() = 0;
  virtual void SlideChange() = 0;
  virtual void ThumbClick() = 0;
  virtual void Redraw() = 0;
};

enum class SliderKey { Left, Up, Right, Down, PageUp, PageDown, Home, End };

class SliderModel {
 public:
  explicit SliderModel(SliderObserver* observer = nullptr) : observer_(observer) {}

  void SetObserver(SliderObserver* observer) { observer_ = observer; }
  const SliderProperties& Properties() const { return props_; }
  // Replaces every property (loading); the range invariant is restored first.
  void Load(const SliderProperties& p);

  // Program changes: never SlideChange; ValueChanged when Value moved.
  void SetValue(int v);
  void SetMinValue(int m);
  void SetMaxValue(int m);
  // Any other integer-valued property by dispatch id; false for a value it cannot take.
  bool SetProperty(int id, int32_t v);
  bool GetProperty(int id, int32_t* out) const;
  void SetFontName(const std::string& name);
  void SetFontSize(float points);

  // Geometry: the window reports its client size and how labels measure.
  void SetClientSize(int width, int height);
  void SetTextMeasure(const TextMeasure* measure);
  SliderLayout Layout() const;

  // Mouse. PressLeft returns true when the press landed on the thumb and dragging began
  // (the window then takes the focus and captures the mouse).
  bool HitThumb(int x, int y) const;
  bool PressLeft(int x, int y);
  void DragTo(int x, int y);
  void EndDrag();
  bool Dragging() const { return dragging_; }

  // Keyboard. Returns true when the key belongs to the slider (even if the value did not move).
  bool PressKey(SliderKey key);

 private:
  void Clamp();
  void UserValue(int v);
  void NotifyValue(int16_t before);
  void Redraw();

  SliderObserver* observer_;
  SliderProperties props_;
  int width_ = 0, height_ = 0;
  const TextMeasure* measure_ = nullptr;
  bool dragging_ = false;
};

#ifndef NDEBUG
// Debug check of the model's invariant; true when it holds.
bool InvariantHolds(const SliderProperties& p);
#endif

}  // namespace kvslide
