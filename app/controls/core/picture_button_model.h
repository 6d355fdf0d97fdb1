// Model of the picture button `PicBttn`: which of its three pictures shows (normal, pointer over,
// pressed) and when its click is raised. The window feeds pointer, button and hover-poll events.
#pragma once

#include "app/controls/core/pressable_model.h"

namespace kv::controls {

constexpr int kPictureButtonPollMs = 32;

enum class PictureState { Normal, Over, Down };

class PictureButtonModel final : public PressableModel {
 public:
  // Pointer seen over the control; true when the hover timer must be started (not yet marked over).
  bool PointerMoved() override;
  // Hover timer tick; true while the timer must keep running.
  bool Poll(bool pointerOverControl) override;
  void Press() override;
  // True when the click is raised (released over the control after a press that began on it).
  bool Release(bool pointerOverControl) override;
  void CancelPress() override;

  PictureState State() const { return state_; }
  bool Over() const { return over_; }
  bool Pressed() const override { return pressed_; }
  int PollInterval() const override { return kPictureButtonPollMs; }

 private:
  PictureState state_ = PictureState::Normal;
  bool over_ = false;
  bool pressed_ = false;
};

}  // namespace kv::controls
