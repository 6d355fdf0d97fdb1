// Model of the flat button `CoolBttn`: its stored properties with their defaults, the hover and
// press state machine, and the look (frame, colours, bold, press offset) that follows from both.
// The window feeds it pointer and button events and the result of its hover poll; it paints Look().
#pragma once

#include <string>

#include "app/controls/core/control_colour.h"
#include "app/controls/core/pressable_model.h"

namespace kv::controls {

enum class CaptionAlignment { Left = 0, Right = 1, Centre = 2 };

// Poll interval of the hover timer, milliseconds.
constexpr int kCoolButtonPollMs = 16;

struct CoolButtonProperties {
  std::string caption = "FlatButton";
  bool viewImage = true;
  int iconOffsetX = 10;
  int iconOffsetY = 0;
  CaptionAlignment alignment = CaptionAlignment::Centre;
  Colour backColor = 0xC0C0C0;
  Colour colorOverBttn = 0xC0C0C0;
  Colour captionColor = 0x000000;
  Colour captionColorOverBttn = 0x000000;
  bool boldOverBttn = false;
  Colour colorLight = 0xFFFFFF;
  Colour colorShaddow = 0x808080;
  bool activeOver = true;
  bool captionKlickPos = true;
  bool enabled = true;

  // The values a button starts with when it is read from a stored form (the members' initialisers).
  static CoolButtonProperties Stored() { return {}; }
  // The values of a button newly placed on a form: hover background is the system button face.
  static CoolButtonProperties NewInstance();
  // Alignment from its stored number; anything but 0 and 1 is centred.
  static CaptionAlignment AlignmentFromNumber(long number);
};

// What to paint now.
struct CoolButtonLook {
  bool frameVisible = false;
  Colour frameTopLeft = 0;      // top and left lines
  Colour frameBottomRight = 0;  // bottom and right lines
  Colour background = 0;
  Colour captionColour = 0;
  bool bold = false;
  bool greyed = false;  // disabled: caption and icon drawn greyed
  int pressOffset = 0;  // icon and caption move right and down by this many pixels
};

class CoolButtonModel final : public PressableModel {
 public:
  // Pixels the icon and caption move while pressed (with CaptionKlickPos).
  static constexpr int kPressOffset = 1;

  explicit CoolButtonModel(const CoolButtonProperties& p = CoolButtonProperties::Stored()) : props_(p) {}

  const CoolButtonProperties& Properties() const { return props_; }
  CoolButtonProperties& EditProperties() { return props_; }
  // Disabling drops hover and press at once.
  void SetEnabled(bool enabled);

  // The pointer moved over the button. True when the hover timer must be (re)started.
  bool PointerMoved() override;
  // One tick of the hover timer with the result of "is the window under the cursor this button".
  // True while the timer must keep running.
  bool Poll(bool pointerOverButton) override;
  // Left button pressed on the button (sunken look, marked pressed).
  void Press() override;
  // Left button released; true when Click is to be raised (still over the button, press began here).
  bool Release(bool pointerOverButton) override;
  // The press ended without a release over the window (capture taken away, window disabled).
  void CancelPress() override;
  // Draws the pressed (true) or raised (false) look; does not change the pressed mark.
  void ChangeStatus(bool pressed) { sunken_ = pressed; }

  bool Hovered() const { return hovered_; }
  bool Pressed() const override { return pressed_; }
  int PollInterval() const override { return kCoolButtonPollMs; }
  bool Sunken() const { return sunken_; }
  CoolButtonLook Look() const;

 private:
  CoolButtonProperties props_;
  bool hovered_ = false;
  bool pressed_ = false;
  bool sunken_ = false;
};

}  // namespace kv::controls
