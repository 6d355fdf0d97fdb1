// Model of the options dialog FormA: the states of its controls (check boxes Check1 0..7, the password
// box Check2 with the two text boxes Text1, the side-bar style Combo1 and colours Color 0..3, the Apply
// button, the tab), filled from the registry, the settings in memory and the side-bar band; and the save
// of OK and Apply, which stores the options and makes the in-memory ones take effect at once.
// No windows here: the dialog window passes user input in and shows what the model says.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/catalogue/registry.h"
#include "app/mainwin/core/bar_model.h"
#include "app/mainwin/core/program_settings.h"

namespace kv {

// Index of each box of Check1.
enum OptionCheck {
  kCheckSaveLastWinPos = 0,
  kCheckSoundEffekts = 1,
  kCheckShowSysTray = 2,
  kCheckViewAppLogo = 3,
  kCheckViewLastTool = 4,
  kCheckDlgFade = 5,
  kCheckMenuAnimation = 6,
  kCheckViewSaveInfo = 7,
  kOptionCheckCount = 8
};
enum CheckState { kUnticked = 0, kTicked = 1, kGreyed = 2 };
constexpr int kColourButtonCount = 4;  // background, gradient end, group-name text, tool-name text
constexpr int kBackStyleCount = 3;     // Combo1: single colour, gradient, background pattern
constexpr int kOptionsTabCount = 2;    // General, Appearance

// A message for the user: headline and text as string ids; 0 when there is nothing to say.
struct OptionsMessage {
  int Headline = 0;
  int Text = 0;
};

// The password's help: how it is kept and what it locks (shown by the password frame's "?" button).
constexpr int kPasswordHeadlineText = 114;
constexpr int kPasswordNoteText = 857;
// Texts of the messages beyond the password rules'.
constexpr int kPasswordStoreFailedText = 873;  // the machine key could not be written
constexpr int kOptionsStoreFailedText = 874;   // an option value could not be written

class OptionsModel {
 public:
  // The options act on the running program: its settings in memory and its bar (side-bar look and
  // menu animation). `waveDevices` 0 leaves the sound option grey and fixed.
  OptionsModel(Registry& reg, ProgramSettings& settings, BarModel& bar, unsigned waveDevices);

  // Fills every state; the loading flag stays set until EndLoad, and input meanwhile is ignored.
  void Load();
  void EndLoad() { loading_ = false; }
  bool Loading() const { return loading_; }

  int Check(int index) const;
  bool CheckEnabled(int index) const;
  bool PasswordTicked() const { return passwordTicked_; }
  bool PasswordBoxesEnabled() const { return passwordTicked_; }
  const std::string& PasswordText(int box) const;
  int BackStyle() const { return backStyle_; }
  std::uint32_t Colour(int button) const;
  bool ApplyEnabled() const { return applyEnabled_; }
  int Tab() const { return tab_; }
  bool Closed() const { return closed_; }
  // Messages fade out as the program option says (the value in memory).
  bool FadeMessages() const { return settings_.DlgFade; }

  // User input.
  void SetCheck(int index, bool ticked);
  // True when the focus is to go into the first password box (ticked while tab 0 is shown).
  bool SetPasswordTicked(bool ticked);
  void EditPassword(int box, const std::string& text);
  void SelectBackStyle(int index);
  // The colour the user chose for a colour button; Apply is enabled when it differs.
  void ColourChosen(int button, std::uint32_t colour);
  void SetVisible() { visible_ = true; }
  // True when the change is to play sound 1 (a new tab while the dialog is visible).
  bool ChangeTab(int tab);

  // The save of OK and Apply: false, with the message to show, when the password is refused or a
  // value could not be stored.
  bool Save(OptionsMessage* message);
  // OK saves and closes when the save stored everything.
  bool PressOk(OptionsMessage* message);
  // Apply saves and disables itself, whatever the save gave.
  bool PressApply(OptionsMessage* message);
  void PressCancel() { closed_ = true; }

 private:
  bool StorePasswordChoice(OptionsMessage* message);
  void Changed();

  Registry& reg_;
  ProgramSettings& settings_;
  BarModel& bar_;
  unsigned waveDevices_;
  std::array<int, kOptionCheckCount> checks_{};
  bool passwordTicked_ = false;
  std::array<std::string, 2> passwords_;
  int backStyle_ = kBackGradient;
  std::array<std::uint32_t, kColourButtonCount> colours_{};
  bool applyEnabled_ = false;
  bool loading_ = false;
  bool visible_ = false;
  bool closed_ = false;
  int tab_ = 0;
};

}  // namespace kv
