// The message dialog: a headline, a message ("|" = line break) and one or two buttons;
// returns 1 OK, 2 Cancel (also the close image, Escape and Alt+F4), 6 Yes, 7 No.
#pragma once

#include <windows.h>

#include <string>

namespace kvdlg {

struct MessageRequest {
  std::string headline;  // empty = "Korvane 2000"
  std::string message;
  bool fadeOut = false;
  HWND owner = nullptr;  // nullptr = centre on the screen
  int button = 0;        // 0 OK, 1 OK + Cancel, 2 Yes + No; other values as 0
};

int ShowMessageDialog(const MessageRequest& request);

// The result of the last closed text dialog (message dialog or help box).
int LastDialogResult();
void SetLastDialogResult(int result);

}  // namespace kvdlg
