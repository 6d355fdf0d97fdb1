// Help > Help Topics: the help file "KORVN2K.HLP" in the program folder when it exists (opened by the
// shell, as the menu always did), otherwise the manual "KORVN2K.CHM" in the HTML Help viewer; when
// neither can be shown the user is told why instead of nothing happening.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/mainwin/win32/app_context.h"

namespace kv {

// `openFile` opens a file with the shell (file, working folder).
void OpenHelpTopics(AppContext& app, HWND owner,
                    const std::function<void(const std::string& file, const std::string& folder)>& openFile);

}  // namespace kv
