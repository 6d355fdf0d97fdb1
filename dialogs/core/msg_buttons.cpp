// Message dialog button kinds (see msg_buttons.h).
#include "dialogs/core/msg_buttons.h"

namespace kvdlg {

ButtonPair ButtonsFor(int kind) {
  ButtonPair pair;
  switch (kind) {
    case 1:
      pair.first = {true, kTextOk, kResultOk};
      pair.second = {true, kTextCancel, kResultCancel};
      break;
    case 2:
      pair.first = {true, kTextYes, kResultYes};
      pair.second = {true, kTextNo, kResultNo};
      break;
    default:
      pair.first = {false, 0, 0};
      pair.second = {true, kTextOk, kResultOk};
      break;
  }
  return pair;
}

}  // namespace kvdlg
