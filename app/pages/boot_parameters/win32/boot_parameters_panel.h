// Boot parameters tab of the Boot options page: the systems listed in BOOT.INI with their start switches, the boot menu's timeout, Save and the restore from the backup taken at the first page load.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/pages/win32/own_tab_panel.h"
#include "app/pages/win32/tool_page_window.h"

namespace kv {

// The tab's panel inside its frames; control ids from firstControlId (at most 100).
std::unique_ptr<OwnTabPanel> MakeBootParametersPanel(HWND page, const std::vector<HWND>& frames, PageServices& services,
                                  int firstControlId);

// Page load and unload of the Boot options page (also when its Boot parameters tab is never shown):
// the backup of the boot file is taken at load; at unload the temporary file goes and the boot file
// gets its protective attributes back.
void BootOptionsPageLoaded(OwnTabHost& host);
void BootOptionsPageUnloading(OwnTabHost& host);

}  // namespace kv
