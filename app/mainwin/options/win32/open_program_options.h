// The File menu's "Program Options" of the main window: the options dialog over the main window,
// acting on the program's settings and its bar, with the program's message and colour dialogs.
#pragma once

#include <windows.h>

#include <functional>

#include "app/mainwin/core/bar_model.h"
#include "app/mainwin/win32/app_context.h"

namespace kv {

// `barChanged` redraws the bar after a save; `playSound` is the main window's PlaySound.
void OpenProgramOptions(AppContext& app, BarModel& bar, HWND owner, const std::function<void()>& barChanged,
                        const std::function<void(int)>& playSound);

}  // namespace kv
