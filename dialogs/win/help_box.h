// The function help box: a scrolling help text with an optional heading ("heading#body"),
// an optional "don't show again" check box, and a blinking "more" mark until the reader has
// reached the end. Returns 1 when the check box was ticked at closing, else 0.
#pragma once

#include <windows.h>

#include <string>

namespace kvdlg {

struct HelpRequest {
  std::string message;
  bool fadeOut = false;
  HWND owner = nullptr;
  std::string checkText;     // empty = no check box
  std::string headlineText;  // empty = text 300 ("Funktionsbeschreibung" / "Function Help")
};

int ShowHelpBox(const HelpRequest& request);

// Control ids a test can find inside the box.
constexpr int kIdHelpHeading = 13;
constexpr int kIdHelpText = 14;
constexpr int kIdHelpArea = 15;
constexpr int kIdHelpScrollBar = 16;
constexpr int kIdHelpMore = 17;
constexpr int kIdHelpCheck = 18;
constexpr int kIdHelpOk = 101;

// Test view of an open help box: whether the "more" mark still blinks, and the scroll bar's state.
struct HelpBoxState {
  bool found = false;
  bool blinking = false;
  bool scrollEnabled = false;
  int scrollMax = 0;
  int smallChange = 0;
  int value = 0;
  int lineHeight = 0;
  int areaHeight = 0;
};
HelpBoxState InspectHelpBox(HWND box);

}  // namespace kvdlg
