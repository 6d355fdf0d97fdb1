// The splash window `About`: product name, system line, notice, version and copyright; during start-up
// also the access-password gate; from the Help menu a modal box with an OK button.
#pragma once

#include <windows.h>

#include <string>

#include "app/mainwin/win32/app_context.h"

namespace kv {

enum PasswordGateState { kGateWaiting = 0, kGateAccepted = 1, kGateRefused = 2 };

class AboutWindow {
 public:
  enum class Mode { Splash, Info };
  // Made hidden at the given place (twips, screen coordinates); nullptr when the window cannot be made.
  static AboutWindow* Create(AppContext& app, Mode mode, HWND owner, int leftTwips, int topTwips);
  HWND hwnd() const { return hwnd_; }
  // Size of the window in twips (for centring).
  static int WidthTwips(const AppContext& app);
  static int HeightTwips(const AppContext& app);

  // Shows the password label and box, blinks, and pumps messages until the password matched (any
  // letter case, no Enter needed) or Enter refused it. The window is gone after a refusal.
  PasswordGateState RunPasswordGate(const std::string& clearPassword);
  // The plain splash is shown without taking the activation: it only covers the start, and the main
  // window activates when it shows.
  void ShowModeless(bool activate = true);
  // Closes the splash 1500 ms from now.
  void StartCloseTimer();
  // Info mode: shows the box modally over the owner until OK, Enter or Escape.
  void RunModal();
  // Destroys the window (and this object).
  void Unload();

 private:
  AboutWindow(AppContext& app, Mode mode) : app_(app), mode_(mode) {}
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  bool Build(HWND owner, int leftTwips, int topTwips);
  void MakePasswordBox();
  void Paint();
  void PasswordChanged();
  void Timer(UINT_PTR id);
  void Click();

  AppContext& app_;
  Mode mode_;
  HWND hwnd_ = nullptr;
  HWND password_ = nullptr;
  HWND okButton_ = nullptr;
  std::string systemLine_, label2_, notice_, version_, copyright_;
  bool passwordLabelVisible_ = false;
  COLORREF label2Colour_ = RGB(255, 255, 255);
  std::string clearPassword_;
  PasswordGateState gate_ = kGateWaiting;
  bool creating_ = false;
};

}  // namespace kv
