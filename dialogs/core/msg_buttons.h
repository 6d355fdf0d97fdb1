// The message dialog's two buttons for each Button kind: visibility, caption text number
// (before the language offset) and the result code each carries.
#pragma once

namespace kvdlg {

// Result codes of the message dialog.
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;
constexpr int kResultYes = 6;
constexpr int kResultNo = 7;

// Text numbers of the library's string table (German; English at +1000).
constexpr int kTextAllFiles = 101;
constexpr int kTextOk = 200;
constexpr int kTextCancel = 201;
constexpr int kTextYes = 202;
constexpr int kTextNo = 203;
constexpr int kTextFunctionHelp = 300;
constexpr int kTextChangeIcon = 400;
constexpr int kTextIconsIn = 401;

struct ButtonSpec {
  bool visible = false;
  int textId = 0;
  int code = 0;
};

struct ButtonPair {
  ButtonSpec first;   // left button
  ButtonSpec second;  // right button, always shown
};

// Kind 0 OK, 1 OK + Cancel, 2 Yes + No; any other kind behaves as 0.
ButtonPair ButtonsFor(int kind);

}  // namespace kvdlg
