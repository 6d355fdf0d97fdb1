// Logon screen tab of the Boot options page: automatic logon, the message before logon and the logon screen's background, each control bound to a catalogue function.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/pages/win32/own_tab_panel.h"
#include "app/pages/win32/tool_page_window.h"

namespace kv {

// The tab's panel inside its frames; control ids from firstControlId (at most 100).
std::unique_ptr<OwnTabPanel> MakeLogonScreenPanel(HWND page, const std::vector<HWND>& frames, PageServices& services,
                                  int firstControlId);

}  // namespace kv
