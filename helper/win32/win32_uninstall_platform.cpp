// Message boxes and program start of the uninstall restore (see win32_uninstall_platform.h).
#include "helper/win32/win32_uninstall_platform.h"

#include <windows.h>

#include "helper/win32/message_pump.h"
#include "helper/win32/program_start.h"

namespace kv::helper {

void Win32UninstallPlatform::ShowWarning(int textId, int titleId) {
  MessageBoxA(nullptr, texts_.Text(textId).c_str(), texts_.Text(titleId).c_str(), MB_OK | MB_ICONWARNING);
}

bool Win32UninstallPlatform::AskYesNo(int textId, int titleId) {
  return MessageBoxA(nullptr, texts_.Text(textId).c_str(), texts_.Text(titleId).c_str(),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UninstallPlatform::PumpMessages() { PumpPendingMessages(); }

void Win32UninstallPlatform::StartProgram(const std::string& commandLine) { StartProgramNormal(commandLine); }

}  // namespace kv::helper
