// Where the setting dialog's controls sit, designed in twips like the program's other forms and turned
// into client pixels for the screen's twips per pixel. The designed captions (string ids) of the form's
// fixed texts are kept here as well, for the form localisation.
#pragma once

#include <string>

#include "app/pages/setting_dialog/core/setting_dialog_model.h"

namespace kv {

struct DialogRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

struct SettingDialogLayout {
  int clientWidth = 0, clientHeight = 0;
  DialogRect caption;     // Label1
  DialogRect prompt;      // Label3
  DialogRect tab;         // SSTab with its one tab
  DialogRect frame;       // the "Setting" frame inside the tab
  DialogRect text;        // Text1 (narrowed when a unit is shown)
  DialogRect textUnit;    // Label4
  DialogRect upDown;      // UpDown
  DialogRect upDownUnit;  // Label5
  DialogRect slider;      // kvSlide
  DialogRect sliderLabel; // Label6
  DialogRect ok, cancel;  // Command1(0), Command1(1)
};

// twipsPerPixel below 1 counts as 15 (96 dots per inch).
SettingDialogLayout LayoutSettingDialog(bool narrowText, int twipsPerPixel);

// The form's numbered texts as designed; the form localisation replaces them by the string table's texts.
struct SettingDialogCaptions {
  std::string form = "520";    // "Funktion bearbeiten" / "Edit Function"
  std::string tab = "521";     // "&Properties"
  std::string frame = "522";   // "Eingabe" / "Setting"
  std::string ok = "500";      // "&OK"
  std::string cancel = "501";  // "&Abbrechen" / "&Cancel"
};

}  // namespace kv
