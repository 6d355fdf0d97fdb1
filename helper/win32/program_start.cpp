// Program start (see program_start.h).
#include "helper/win32/program_start.h"

#include <windows.h>

#include <vector>

#include "app/catalogue/program_path.h"

namespace kv::helper {

bool StartProgramNormal(const std::string& commandLine, const std::string& application, const std::string& folder) {
  if (!application.empty() && !IsFullPath(application)) return false;
  std::vector<char> command(commandLine.begin(), commandLine.end());
  command.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(application.empty() ? nullptr : application.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace kv::helper
