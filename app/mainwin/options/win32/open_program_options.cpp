// Program options from the main window (see open_program_options.h).
#include "app/mainwin/options/win32/open_program_options.h"

#include "app/mainwin/options/core/options_model.h"
#include "app/mainwin/options/win32/options_dialog_window.h"
#include "app/mainwin/win32/sound_output.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

void OpenProgramOptions(AppContext& app, BarModel& bar, HWND owner, const std::function<void()>& barChanged,
                        const std::function<void(int)>& playSound) {
  OptionsModel model(*app.Reg, app.Settings, bar, app.Sound ? app.Sound->WaveDevices() : 0);
  OptionsDialogServices services;
  services.texts = app.Text;
  services.showMessage = [&app](const std::string& headline, const std::string& text, bool fade, HWND window) {
    ShowMessage(app, headline, text, fade, window, 0);
  };
  services.chooseColour = [&app](HWND window, std::uint32_t* colour) {
    unsigned long chosen = *colour;
    if (!DialogLibrary(app).ColorDlg(window, &chosen)) return false;  // cancelled, or no dialog library
    *colour = static_cast<std::uint32_t>(chosen);
    return true;
  };
  services.playSound = playSound;
  services.applied = barChanged;
  ShowOptionsDialog(owner, model, services);
}

}  // namespace kv
