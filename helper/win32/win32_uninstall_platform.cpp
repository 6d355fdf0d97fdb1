// Message boxes and program start of the uninstall restore (see win32_uninstall_platform.h).
#include "helper/win32/win32_uninstall_platform.h"

#include <windows.h>

#include <vector>

#include "helper/win32/message_pump.h"

namespace kv::helper {

void Win32UninstallPlatform::ShowWarning(int textId, int titleId) {
  MessageBoxA(nullptr, texts_.Text(textId).c_str(), texts_.Text(titleId).c_str(), MB_OK | MB_ICONWARNING);
}

bool Win32UninstallPlatform::AskYesNo(int textId, int titleId) {
  return MessageBoxA(nullptr, texts_.Text(textId).c_str(), texts_.Text(titleId).c_str(),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32UninstallPlatform::PumpMessages() { PumpPendingMessages(); }

void Win32UninstallPlatform::StartProgram(const std::string& commandLine) {
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

}  // namespace kv::helper
