// Program-wide services (see app_context.h).
#include "app/mainwin/win32/app_context.h"

#include "app/mainwin/core/text_lookup.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

kvdlg::DialogClient& DialogLibrary(AppContext& app) {
  if (!app.Dialogs) app.Dialogs = std::make_shared<kvdlg::DialogClient>();
  return *app.Dialogs;
}

int ShowMessage(AppContext& app, const std::string& headline, const std::string& message, bool fade, HWND owner,
                int kind) {
  kvdlg::DialogClient& dialogs = DialogLibrary(app);
  if (dialogs.Loaded()) return dialogs.MsgDlg(headline, message, fade, owner, kind);
  const UINT buttons = kind == 2 ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION;
  const int r = MessageBoxA(owner, ExpandLineBreaks(message, "\r\n").c_str(), headline.c_str(), buttons);
  return r == IDYES ? 6 : r == IDNO ? 7 : 1;
}

HICON ProgramIcon(HINSTANCE instance, bool small) {
  const int size = small ? GetSystemMetrics(SM_CXSMICON) : GetSystemMetrics(SM_CXICON);
  return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, LR_SHARED));
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace kv
