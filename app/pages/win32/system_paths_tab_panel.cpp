// The SysPaths tab's windows (see system_paths_tab_panel.h).
#include "app/pages/win32/system_paths_tab_panel.h"

#include "app/pages/win32/tool_page_window.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

SystemPathsTabPanel::SystemPathsTabPanel(HWND page, PageServices& services, int firstId)
    : page_(page), firstId_(firstId), model_(services.Functions(), services.SystemPaths()) {
  model_.Load();
  for (int row = 0; row < kSystemPathRows; ++row) {
    captions_[row] = MakeLabel(page, services.Text(640 + row));
    // The field shows the path; typing in it writes nothing (only a chosen folder is written).
    fields_[row] = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", model_.RowText(row).c_str(),
                                   WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10, 10, page, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(fields_[row], WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
    browse_[row] = MakeButton(page, firstId + row, "...", BS_PUSHBUTTON);
    if (model_.RowFunction(row) < 0) {
      EnableWindow(fields_[row], FALSE);
      EnableWindow(browse_[row], FALSE);
    }
  }
  Show(false);
}

bool SystemPathsTabPanel::Command(int id, int code) {
  const int row = id - firstId_;
  if (row < 0 || row >= kSystemPathRows) return false;
  if (code == BN_CLICKED && model_.Browse(row)) SetWindowTextA(fields_[row], model_.RowText(row).c_str());
  return true;
}

void SystemPathsTabPanel::Show(bool visible) {
  for (int row = 0; row < kSystemPathRows; ++row)
    for (HWND w : {captions_[row], fields_[row], browse_[row]}) ShowWindow(w, visible ? SW_SHOW : SW_HIDE);
}

void SystemPathsTabPanel::Layout(const std::vector<HWND>& frames) {
  if (frames.empty()) return;
  const RECT f = FrameArea(page_, frames[0]);
  const int rowHeight = 30, captionWidth = 190;
  for (int row = 0; row < kSystemPathRows; ++row) {
    const int y = f.top + 24 + row * rowHeight;
    MoveWindow(captions_[row], f.left + 12, y + 3, captionWidth, 18, TRUE);
    MoveWindow(fields_[row], f.left + 12 + captionWidth, y, f.right - f.left - captionWidth - 64, 22, TRUE);
    MoveWindow(browse_[row], f.right - 44, y, 30, 22, TRUE);
    for (HWND w : {captions_[row], fields_[row], browse_[row]})
      SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace kv
