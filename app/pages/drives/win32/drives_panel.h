// Drives tab of the Drives & files page: the machine's drives, the selected drive's volume and capacity, and its bit in the hidden-drives mask.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/pages/win32/own_tab_panel.h"
#include "app/pages/win32/tool_page_window.h"

namespace kv {

// The tab's panel inside its frames; control ids from firstControlId (at most 100).
std::unique_ptr<OwnTabPanel> MakeDrivesPanel(HWND page, const std::vector<HWND>& frames, PageServices& services,
                                  int firstControlId);

}  // namespace kv
