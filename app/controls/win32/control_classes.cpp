// Registration of the four small-control window classes (see control_classes.h).
#include "app/controls/win32/control_classes.h"

#include "app/controls/win32/cool_button.h"
#include "app/controls/win32/picture_button.h"
#include "app/controls/win32/progress_bar.h"
#include "app/controls/win32/up_down_field.h"

namespace kv::controls {

bool RegisterControlClasses() {
  const bool cool = CoolButton::Register();
  const bool picture = PictureButton::Register();
  const bool upDown = UpDownField::Register();
  const bool progress = ProgressBar::Register();
  return cool && picture && upDown && progress;
}

}  // namespace kv::controls
