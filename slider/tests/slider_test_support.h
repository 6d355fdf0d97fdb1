// Test helpers for the slider model: an observer that records the events in order, and a
// fixed-width text measure.
#pragma once

#include <string>
#include <vector>

#include "slider/model/slider_layout.h"
#include "slider/model/slider_model.h"

namespace kvslide::test {

class EventLog : public SliderObserver {
 public:
  void ValueChanged() override { events.push_back("changed"); }
  void SlideChange() override { events.push_back("slide"); }
  void ThumbClick() override { events.push_back("thumb"); }
  void Redraw() override { ++redraws; }
  // The events since the last call, joined with blanks.
  std::string Take() {
    std::string s;
    for (const std::string& e : events) s += (s.empty() ? "" : " ") + e;
    events.clear();
    return s;
  }
  std::vector<std::string> events;
  int redraws = 0;
};

class FixedMeasure : public TextMeasure {
 public:
  int TextWidth(const std::string& text, bool bold) const override {
    return static_cast<int>(text.size()) * (bold ? 8 : 7);
  }
  int TextHeight() const override { return 13; }
};

}  // namespace kvslide::test
