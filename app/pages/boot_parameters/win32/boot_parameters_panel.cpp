// BootParametersPanel (see boot_parameters_panel.h). Not built yet: the tab shows its empty frames.
#include "app/pages/boot_parameters/win32/boot_parameters_panel.h"

namespace kv {

std::unique_ptr<OwnTabPanel> MakeBootParametersPanel(HWND, const std::vector<HWND>&, PageServices&, int) { return nullptr; }

void BootOptionsPageLoaded(OwnTabHost&) {}
void BootOptionsPageUnloading(OwnTabHost&) {}

}  // namespace kv
