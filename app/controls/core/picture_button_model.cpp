// Picture choice and click rule of the picture button (see picture_button_model.h).
#include "app/controls/core/picture_button_model.h"

namespace kv::controls {

bool PictureButtonModel::PointerMoved() {
  if (over_) return false;
  over_ = true;
  if (!pressed_) state_ = PictureState::Over;
  return true;
}

bool PictureButtonModel::Poll(bool pointerOverControl) {
  if (pointerOverControl || pressed_) return true;
  over_ = false;
  state_ = PictureState::Normal;
  return false;
}

void PictureButtonModel::Press() {
  pressed_ = true;
  state_ = PictureState::Down;
}

bool PictureButtonModel::Release(bool pointerOverControl) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  over_ = pointerOverControl;
  state_ = pointerOverControl ? PictureState::Over : PictureState::Normal;
  return wasPressed && pointerOverControl;
}

void PictureButtonModel::CancelPress() {
  pressed_ = false;
  state_ = over_ ? PictureState::Over : PictureState::Normal;
}

}  // namespace kv::controls
