// Hover/press state machine and look of the flat button (see cool_button_model.h).
#include "app/controls/core/cool_button_model.h"

namespace kv::controls {

CoolButtonProperties CoolButtonProperties::NewInstance() {
  CoolButtonProperties p;
  p.activeOver = true;
  p.boldOverBttn = false;
  p.colorOverBttn = kSysButtonFace;
  p.captionKlickPos = true;
  p.iconOffsetX = 10;
  return p;
}

CaptionAlignment CoolButtonProperties::AlignmentFromNumber(long number) {
  if (number == 0) return CaptionAlignment::Left;
  if (number == 1) return CaptionAlignment::Right;
  return CaptionAlignment::Centre;
}

void CoolButtonModel::SetEnabled(bool enabled) {
  props_.enabled = enabled;
  if (!enabled) {
    hovered_ = false;
    CancelPress();
  }
}

bool CoolButtonModel::PointerMoved() {
  if (!props_.enabled) return false;
  const bool start = !hovered_;
  hovered_ = true;
  return start;
}

bool CoolButtonModel::Poll(bool pointerOverButton) {
  if (pointerOverButton || pressed_) return props_.enabled;
  hovered_ = false;
  return false;
}

void CoolButtonModel::Press() {
  if (!props_.enabled) return;
  ChangeStatus(true);
  pressed_ = true;
}

bool CoolButtonModel::Release(bool pointerOverButton) {
  const bool wasPressed = pressed_;
  ChangeStatus(false);
  pressed_ = false;
  return wasPressed && pointerOverButton && props_.enabled;
}

void CoolButtonModel::CancelPress() {
  pressed_ = false;
  sunken_ = false;
}

CoolButtonLook CoolButtonModel::Look() const {
  CoolButtonLook look;
  const bool hover = hovered_ && props_.enabled;
  look.frameVisible = !props_.activeOver || hover || sunken_;
  look.frameTopLeft = sunken_ ? props_.colorShaddow : props_.colorLight;
  look.frameBottomRight = sunken_ ? props_.colorLight : props_.colorShaddow;
  look.background = hover ? props_.colorOverBttn : props_.backColor;
  look.captionColour = hover ? props_.captionColorOverBttn : props_.captionColor;
  look.bold = hover && props_.boldOverBttn;
  look.greyed = !props_.enabled;
  look.pressOffset = (sunken_ && props_.captionKlickPos) ? kPressOffset : 0;
  return look;
}

}  // namespace kv::controls
