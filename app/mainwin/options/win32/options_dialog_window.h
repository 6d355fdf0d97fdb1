// The window of the options dialog FormA: a tab control with the pages General (options frame, password
// frame headed by its check box) and Appearance (side-bar frame with style list and colour buttons,
// controls frame), and OK / Cancel / Apply. It fills its controls from OptionsModel under the loading
// flag, passes every user change back to it, and runs modally until the model says it is closed.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/controls/win32/cool_button.h"
#include "app/mainwin/core/text_lookup.h"
#include "app/mainwin/options/core/options_layout.h"
#include "app/mainwin/options/core/options_model.h"

namespace kv {

// Window class and control ids (also used by the tests to find the parts).
inline constexpr const char* kOptionsDialogClass = "Korvane2K.FormA";
enum OptionsDialogControl {
  kIdOptionsTab = 300,            // SSTab
  kIdOptionsApply = 301,          // Command 2 (Command 0 is IDOK, Command 1 IDCANCEL)
  kIdOptionsFrame = 302,          // frame 835
  kIdPasswordFrame = 303,
  kIdSideBarFrame = 304,          // frame 837
  kIdControlsFrame = 305,         // frame 838
  kIdPasswordCheck = 310,         // Check2
  kIdPasswordLabel = 311,         // labels 855, 856: 311, 312
  kIdPasswordBox = 313,           // Text1 0, 1: 313, 314
  kIdPasswordHelp = 315,          // "?" beside them
  kIdStyleLabel = 320,            // label 860
  kIdStyleCombo = 321,            // Combo1
  kIdColourLabel = 330,           // labels 861 .. 864: 330 .. 333
  kIdColourButton = 340,          // Color 0 .. 3: 340 .. 343
  kIdOptionCheck = 350,           // Check1 0 .. 7: 350 .. 357
};

// What the dialog needs from the program around it.
struct OptionsDialogServices {
  Texts texts;
  // The message dialog (headline, text with "|" line breaks, fade flag, owner).
  std::function<void(const std::string&, const std::string&, bool, HWND)> showMessage;
  // The colour dialog: true when the user chose a colour (written to the argument).
  std::function<bool(HWND, std::uint32_t*)> chooseColour;
  std::function<void(int kind)> playSound;
  // After OK or Apply saved: whatever shows the options (the side bar) is to be redrawn.
  std::function<void()> applied;
};

class OptionsDialogWindow {
 public:
  OptionsDialogWindow(OptionsModel& model, OptionsDialogServices services);
  ~OptionsDialogWindow();
  OptionsDialogWindow(const OptionsDialogWindow&) = delete;
  OptionsDialogWindow& operator=(const OptionsDialogWindow&) = delete;

  // Loads the model, shows the dialog modally over `owner` and returns when it has closed.
  void Run(HWND owner);

 private:
  struct Captions;
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  bool Create(HWND owner);
  void CreateGeneralPage(const Captions& c);
  void CreateAppearancePage(const Captions& c);
  void CreateButtons(const Captions& c);
  HWND Child(const char* className, const std::string& text, DWORD style, const OptionsRect& box, int id, int tab,
             DWORD exStyle = 0);
  void PlaceOverOwner(HWND owner);
  void RunModalLoop();
  bool TranslateTabKey(const MSG& msg);
  void Release();

  void ShowTab(int tab);
  void SelectTab(int tab);
  void ShowPasswordState();
  void ShowColour(int button);
  void ShowApplyState();
  void Report(const OptionsMessage& message);

  void OnCommand(int id, int code);
  void OnColourButton(int button);
  void OnOk();
  void OnApply();

  OptionsModel& model_;
  OptionsDialogServices services_;
  OptionsLayout layout_;
  HWND hwnd_ = nullptr;
  HWND tab_ = nullptr, apply_ = nullptr;
  std::array<HWND, 2> passwordBoxes_{}, passwordLabels_{};
  std::vector<std::pair<HWND, int>> pageControls_;  // control and the tab it lies on
  std::array<std::unique_ptr<controls::CoolButton>, kColourButtonCount> colourButtons_;
  std::vector<std::string> tabCaptions_;
};

// The modal dialog over `owner`: made on each call and released when closed.
void ShowOptionsDialog(HWND owner, OptionsModel& model, const OptionsDialogServices& services);

}  // namespace kv
