// Desktop and Start Menu tabs of the Icons page: the icons behind catalogue functions, changed through the icon dialog.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/pages/win32/own_tab_panel.h"
#include "app/pages/win32/tool_page_window.h"

namespace kv {

// The tab's panel inside its frames; control ids from firstControlId (at most 100). `list` is 1 for the Desktop tab, 2 for the Start Menu tab.
std::unique_ptr<OwnTabPanel> MakeIconsPanel(HWND page, const std::vector<HWND>& frames, PageServices& services,
                                  int firstControlId, int list);

}  // namespace kv
