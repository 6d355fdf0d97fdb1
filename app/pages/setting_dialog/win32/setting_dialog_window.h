// The window of the setting input dialog FormB: caption and prompt, one tab with the "Setting" frame
// holding the panel of the function's input (text field, number field with arrows, or kvSlide slider),
// and OK / Cancel. It fills its controls from SettingDialogModel under the loading flag, passes every
// user change back to it, and runs modally until the model says it is closed.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/controls/win32/up_down_field.h"
#include "app/pages/setting_dialog/core/setting_dialog_layout.h"
#include "app/pages/setting_dialog/core/setting_dialog_model.h"
#include "app/pages/setting_dialog/fkt_set_settings.h"
#include "kvslide_client.h"

namespace kv {

// Window class and control ids (also used by the tests to find the parts).
inline constexpr const char* kSettingDialogClass = "Korvane2K.FormB";
enum SettingDialogControl {
  kIdCaption = 200,   // Label1
  kIdPrompt = 201,    // Label3
  kIdTab = 202,       // SSTab
  kIdFrame = 203,     // frame
  kIdText = 210,      // Text1
  kIdTextUnit = 211,  // Label4
  kIdUpDown = 220,    // UpDown
  kIdUpDownUnit = 221,  // Label5
  kIdSlider = 230,    // kvSlide
  kIdSliderLabel = 231,  // Label6
  kIdOk = IDOK,       // Command1(0)
  kIdCancel = IDCANCEL,  // Command1(1)
};

class SettingDialogWindow {
 public:
  explicit SettingDialogWindow(const SettingDialogContext& context);
  ~SettingDialogWindow();
  SettingDialogWindow(const SettingDialogWindow&) = delete;
  SettingDialogWindow& operator=(const SettingDialogWindow&) = delete;

  // Opens the dialog for function n over `owner` and returns when it has closed, with its result.
  std::string Run(HWND owner, int function);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  bool Create(HWND owner);
  void CreateFrameAndButtons();
  void CreatePanel();
  HWND Child(const char* className, const std::string& text, DWORD style, const DialogRect& box, int id,
             DWORD exStyle = 0);
  HWND Label(const std::string& text, const DialogRect& box, int id, DWORD extraStyle = 0);
  void FocusInput();
  void PlaceOverOwner(HWND owner);
  void RunModalLoop();
  // Releases the slider and the number field, then destroys the window.
  void Release();

  void OnCommand(int id, int code);
  void OnSlideChange();
  void ShowOkState();

  SettingDialogContext context_;
  SettingDialogModel model_;
  SettingDialogLayout layout_;
  SettingDialogCaptions captions_;
  HWND hwnd_ = nullptr;
  HWND text_ = nullptr, sliderLabel_ = nullptr, ok_ = nullptr;
  std::unique_ptr<controls::UpDownField> upDown_;
  std::unique_ptr<kvslide::SliderClient> slider_;
};

}  // namespace kv
