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
  kTextControlPanelFolder = 110,
  kTextDialUpFolder = 111,
  kTextPrinterFolder = 112,
};

}  // namespace kv::helper
