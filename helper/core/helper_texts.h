// Numbers of the helper's own texts (string table: German at the number, English at number + 1000).
#pragma once

namespace kv::helper {

enum HelperText : int {
  kTextProgressCaption = 91,   // " Profildatei erstellen" / " Create Profile File"
  kTextPleaseWait = 101,       // Label1(1)
  kTextScanning = 102,         // Label1(0)
  kTextPasswordProtected = 103,
  kTextCannotUninstall = 104,
  kTextRestoreQuestion = 105,
  kTextUninstallTitle = 106,
  kTextTrayProduct = 107,      // tray tip: " Delmora Korvane 2000"
  kTextTrayWindows2000 = 108,  // followed by " for Windows 2000 " on every system but NT 4
  kTextTrayNt4 = 109,          // or by " for Windows NT "
  kTextControlPanelFolder = 110,
  kTextDialUpFolder = 111,
  kTextPrinterFolder = 112,
  kTextProfileNotSaved = 113,  // a profile scan could not write its file (title: kTextProgressCaption)
};

}  // namespace kv::helper
