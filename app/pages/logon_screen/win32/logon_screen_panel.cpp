// LogonScreenPanel (see logon_screen_panel.h). Not built yet: the tab shows its empty frames.
#include "app/pages/logon_screen/win32/logon_screen_panel.h"

namespace kv {

std::unique_ptr<OwnTabPanel> MakeLogonScreenPanel(HWND, const std::vector<HWND>&, PageServices&, int) { return nullptr; }

}  // namespace kv
