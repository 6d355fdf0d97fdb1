// DrivesPanel (see drives_panel.h). Not built yet: the tab shows its empty frames.
#include "app/pages/drives/win32/drives_panel.h"

namespace kv {

std::unique_ptr<OwnTabPanel> MakeDrivesPanel(HWND, const std::vector<HWND>&, PageServices&, int) { return nullptr; }

}  // namespace kv
