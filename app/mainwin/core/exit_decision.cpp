// Exit question (see exit_decision.h).
#include "app/mainwin/core/exit_decision.h"

#include "app/catalogue/program_path.h"

namespace kv {

bool ExitQuestionFor(ExitAction action, ExitQuestion* q) {
  switch (action) {
    case ExitAction::Restart:
      *q = {111, 112, "/REBOOT"};
      return true;
    case ExitAction::LogOff:
      *q = {111, 113, "/LOGOFF"};
      return true;
    default:
      return false;
  }
}

std::string HelperCommandLine(const std::string& systemFolder, const std::string& helperSwitch) {
  std::string folder = systemFolder;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return QuotedCommandLine(folder + "KORVNST.EXE", helperSwitch);
}

}  // namespace kv
