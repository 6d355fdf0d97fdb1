// The exit question of the main window: which question the engine's decision leads to and the helper
// command line that a "Yes" starts.
#pragma once

#include <string>

#include "app/engine/function_changes.h"

namespace kv {

// Exit causes: Windows ending the session and the task manager never get a question.
enum class ExitCause { UserClose, ProgramRequest, WindowsEnding, TaskManager };
inline bool AsksAtExit(ExitCause c) { return c == ExitCause::UserClose || c == ExitCause::ProgramRequest; }

struct ExitQuestion {
  int TitleText;        // 111 "Systemneustart" / "Restart System"
  int MessageText;      // 112 restart, 113 log-off
  std::string Switch;   // "/REBOOT" or "/LOGOFF"
};

// False when the decision asks nothing.
bool ExitQuestionFor(ExitAction action, ExitQuestion* question);

// The quoted helper path (system folder, backslash, "KORVNST.EXE"), a blank, the switch.
std::string HelperCommandLine(const std::string& systemFolder, const std::string& helperSwitch);

}  // namespace kv
