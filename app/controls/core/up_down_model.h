// Model of the number field `UpDown`: the stored properties (Min 1, Max 100, Step 1, Value 1,
// Enabled), the text rules (text that is not a number becomes Min; leaving the box with a number
// outside the range shows the bound), the arrows' steps, and the system control's acceleration table.
// The window passes it every text change and the loss of focus, and applies what it answers.
#pragma once

#include "app/controls/core/value_range.h"

#include <optional>
#include <string>

namespace kv::controls {

struct UpDownProperties {
  int min = 1;
  int max = 100;
  int step = 1;
  int value = 1;
  bool enabled = true;
};

// One entry of the up-down arrows' acceleration: after `seconds` held, step by `increment`.
struct UpDownAccel {
  unsigned seconds = 0;
  unsigned increment = 1;
};

// What the window does after a text change or a loss of focus.
struct UpDownReaction {
  std::optional<std::string> replaceText;  // put this text into the box (and select it)
  bool raiseUpdate = false;                // raise Update once
};

// The whole number a text stands for: optional blanks, an optional sign and decimal digits only.
// Too many digits saturate at the 32-bit limits. No value for anything else (also for "").
std::optional<int> ParseFieldNumber(const std::string& text);

class UpDownModel {
 public:
  // Longest text the box takes (sign and ten digits).
  static constexpr int kMaxTextLength = 11;

  explicit UpDownModel(const UpDownProperties& p = {});

  const UpDownProperties& Properties() const { return props_; }
  int Min() const { return props_.min; }
  int Max() const { return props_.max; }
  int Step() const { return props_.step; }
  // The number in the box (it may lie above Max until the box loses the focus).
  int Value() const { return props_.value; }
  bool Enabled() const { return props_.enabled; }
  // The text the box shows for the current value.
  std::string Text() const;

  // Setting the range keeps the value inside it. A step below 1 steps by 1.
  void SetRange(int min, int max);
  void SetMin(int min) { SetRange(min, props_.max); }
  void SetMax(int max) { SetRange(props_.min, max); }
  void SetStep(int step);
  // The value is kept inside the range.
  void SetValue(int value);
  void SetEnabled(bool enabled) { props_.enabled = enabled; }

  // The box's text changed (typing, pasting or the arrows).
  UpDownReaction TextChanged(const std::string& text);
  // The box lost the focus holding `text`.
  UpDownReaction FocusLost(const std::string& text);
  // One arrow click: up (+Step) or down (-Step), inside the range. Returns the new text.
  std::string Arrow(bool up);

  // The two acceleration entries the system arrows get: Step at once, five Steps after two seconds.
  void AccelerationTable(UpDownAccel out[2]) const;
  int Low() const { return RangeLow(props_.min, props_.max); }
  int High() const { return RangeHigh(props_.min, props_.max); }

 private:
  int Clamp(int v) const { return ClampToRange(v, props_.min, props_.max); }
  UpDownProperties props_;
};

}  // namespace kv::controls
