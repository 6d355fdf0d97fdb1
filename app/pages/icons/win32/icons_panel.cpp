// IconsPanel (see icons_panel.h). Not built yet: the tab shows its empty frames.
#include "app/pages/icons/win32/icons_panel.h"

namespace kv {

std::unique_ptr<OwnTabPanel> MakeIconsPanel(HWND, const std::vector<HWND>&, PageServices&, int, int) { return nullptr; }

}  // namespace kv
