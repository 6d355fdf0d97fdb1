// Test helpers that act on a modal dialog the way a user would, from a second thread:
// wait for the window captioned "KORVNMSGWINOW", click its controls with real mouse input,
// press keys, switch the language in the registry, and save screenshots as artifacts.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>

#include "tests/wine/test_thread.h"

namespace kvdlg::test {

// Starts a thread that waits (up to 10 s) for a visible window of this process with the caption
// (default "KORVNMSGWINOW") and runs `action` on it. When the dialog is still open 8 s after the action,
// it is cancelled and Forced() reports it, so a broken dialog fails instead of hanging.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(HWND dialog)> action, const char* caption = "KORVNMSGWINOW");
  ~DialogDriver();
  bool Acted() const { return acted_; }
  bool Forced() const { return forced_; }

 private:
  std::atomic<bool> acted_{false};
  std::atomic<bool> forced_{false};
  kv::test::TestThread thread_;
};

HWND FindDialog(const char* caption = "KORVNMSGWINOW");
void ClickControl(HWND control);          // real mouse input at the control's centre
// Presses the left button at one screen point, moves in steps to another and releases it there.
void DragMouse(int fromX, int fromY, int toX, int toY);
void PressKey(WORD virtualKey, bool alt = false);  // real keyboard input
std::string ControlText(HWND dialog, int id);
RECT WindowRectOf(HWND window);

// Writes the DWORD "Language" under HKLM\Software\Quorbel\Korvane2k (0 German, 1 English).
void SetLanguage(DWORD language);

// Saves the screen as a BMP under <build>/artifacts/dialogs/<name>.bmp; returns the path ("" on failure).
std::string SaveScreenshot(const std::string& name);

// Pumps messages until the predicate holds or the time runs out.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds);

}  // namespace kvdlg::test
