// The setting dialog's public entry (see fkt_set_settings.h): each call works on a fresh dialog.
#include "app/pages/setting_dialog/fkt_set_settings.h"

#include "app/pages/setting_dialog/win32/setting_dialog_window.h"

namespace kv {

std::string FktSetSettings(HWND owner, int functionNumber, const SettingDialogContext& context) {
  SettingDialogWindow dialog(context);
  return dialog.Run(owner ? owner : GetActiveWindow(), functionNumber);
}

}  // namespace kv
