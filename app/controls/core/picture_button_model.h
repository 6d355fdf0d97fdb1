// Model of the picture button `PicBttn`: which of its three pictures shows (normal, pointer over,
// pressed) and when its click is raised. The window feeds pointer, button and hover-poll events.
#pragma once

namespace kv::controls {

constexpr int kPictureButtonPollMs = 32;

enum class PictureState { Normal, Over, Down };

class PictureButtonModel {
 public:
  // Pointer seen over the control; true when the hover timer must be started (not yet marked over).
  bool PointerEntered();
  // Hover timer tick; true while the timer must keep running.
  bool Poll(bool pointerOverControl);
  void Press();
  // True when the click is raised (released over the control after a press that began on it).
  bool Release(bool pointerOverControl);
  void CancelPress();

  PictureState State() const { return state_; }
  bool Over() const { return over_; }
  bool Pressed() const { return pressed_; }

 private:
  PictureState state_ = PictureState::Normal;
  bool over_ = false;
  bool pressed_ = false;
};

}  // namespace kv::controls
