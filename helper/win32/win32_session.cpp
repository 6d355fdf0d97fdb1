// Session-end platform calls (see win32_session.h).
#include "helper/win32/win32_session.h"

#include <windows.h>

namespace kv::helper {

bool Win32SessionPlatform::QueryVersion(std::uint32_t* platformId, std::uint32_t* majorVersion) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return false;
  *platformId = info.dwPlatformId;
  *majorVersion = info.dwMajorVersion;
  return true;
}

bool Win32SessionPlatform::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES wanted = {};
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privileges[0].Luid)) {
    CloseHandle(token);
    return false;
  }
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous = {};
  DWORD previousLength = 0;
  const BOOL adjusted = AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &previousLength);
  CloseHandle(token);
  return adjusted != FALSE;
}

void Win32SessionPlatform::ShowMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), "KorvnStartManager", MB_OK);
}

bool Win32SessionPlatform::RequestExit(std::uint32_t flags) { return ExitWindowsEx(flags, 0) != FALSE; }

}  // namespace kv::helper
