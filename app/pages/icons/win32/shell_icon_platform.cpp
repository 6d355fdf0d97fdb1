// Short paths and the icon cache refresh's window-system steps (see shell_icon_platform.h).
#include "app/pages/icons/win32/shell_icon_platform.h"

#include <windows.h>

#include <vector>

// windows.h names an old function AnsiUpper; the catalogue's code-page 1252 upper case is meant here.
#undef AnsiUpper
#include "app/catalogue/ansi_text.h"

namespace kv {

std::string ShortUpperPath(const std::string& file) {
  if (file.empty()) return std::string();
  DWORD needed = GetShortPathNameA(file.c_str(), nullptr, 0);
  if (needed == 0) return AnsiUpper(file);
  std::vector<char> buffer(needed + 1, '\0');
  const DWORD length = GetShortPathNameA(file.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) return AnsiUpper(file);
  return AnsiUpper(std::string(buffer.data(), length));
}

void Win32IconCacheShell::HoldDesktopDrawing() { LockWindowUpdate(GetDesktopWindow()); }

void Win32IconCacheShell::ReleaseDesktopDrawing() { LockWindowUpdate(nullptr); }

void Win32IconCacheShell::BroadcastMetricsChange() {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0, SMTO_ABORTIFHUNG, 10000, &result);
}

void Win32IconCacheShell::DeleteFileIfPresent(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
}

}  // namespace kv
