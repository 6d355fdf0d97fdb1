// GetSystemDirectoryA / GetWindowsDirectoryA / GetTempPathA / GetModuleFileNameA, 260-character buffers,
// keeping the returned length.
#include "app/engine/win32_platform_folders.h"

#include <windows.h>

namespace kv {

namespace {
std::string Returned(const char* buffer, DWORD length, DWORD capacity) {
  return length > 0 && length < capacity ? std::string(buffer, length) : std::string();
}
}  // namespace

PlatformFolders ReadPlatformFolders() {
  PlatformFolders folders;
  char buffer[MAX_PATH] = {};
  folders.SystemFolder = Returned(buffer, GetSystemDirectoryA(buffer, MAX_PATH), MAX_PATH);
  folders.WindowsFolder = Returned(buffer, GetWindowsDirectoryA(buffer, MAX_PATH), MAX_PATH);
  folders.TempFolder = Returned(buffer, GetTempPathA(MAX_PATH, buffer), MAX_PATH);
  const std::string program = Returned(buffer, GetModuleFileNameA(nullptr, buffer, MAX_PATH), MAX_PATH);
  folders.ProgramFolder = program.substr(0, program.find_last_of('\\') == std::string::npos
                                                ? 0
                                                : program.find_last_of('\\') + 1);
  return folders;
}

}  // namespace kv
