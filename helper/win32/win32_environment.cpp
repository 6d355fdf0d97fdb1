// Folder, clock and locale queries of the helper (see win32_environment.h).
#include "helper/win32/win32_environment.h"

#include <windows.h>
#include <shlobj.h>

#include "helper/core/text_rules.h"
#include "app/controls/win32/system_function.h"

namespace kv::helper {

namespace {

template <typename Query>
std::string FolderText(Query query) {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = query(buffer, MAX_PATH);
  return (length > 0 && length <= MAX_PATH) ? std::string(buffer, length) : std::string();
}

std::string LocaleText(LCTYPE type) {
  char buffer[128] = {};
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
  return length > 1 ? std::string(buffer, static_cast<std::size_t>(length - 1)) : std::string();
}

}  // namespace

PlatformFolders CurrentPlatformFolders() {
  PlatformFolders f;
  f.System = FolderText([](char* b, UINT n) { return GetSystemDirectoryA(b, n); });
  f.Windows = FolderText([](char* b, UINT n) { return GetWindowsDirectoryA(b, n); });
  f.Temp = FolderText([](char* b, UINT n) { return static_cast<UINT>(GetTempPathA(n, b)); });
  std::string own = FolderText([](char* b, UINT n) { return static_cast<UINT>(GetModuleFileNameA(nullptr, b, n)); });
  f.Own = own.substr(0, own.find_last_of('\\') + 1);
  return f;
}

std::string UserProfileFolder() {
  const std::string profile =
      FolderText([](char* b, UINT n) { return static_cast<UINT>(GetEnvironmentVariableA("USERPROFILE", b, n)); });
  return profile.empty() ? profile : WithTrailingBackslash(profile);
}

std::string MachineTempFolder() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return std::string();
  char raw[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH, type = 0;
  const bool ok = RegQueryValueExA(key, "TEMP", nullptr, &type, reinterpret_cast<BYTE*>(raw), &size) == ERROR_SUCCESS &&
                  (type == REG_SZ || type == REG_EXPAND_SZ);
  RegCloseKey(key);
  if (!ok) return std::string();
  raw[MAX_PATH] = '\0';
  const std::string folder =
      FolderText([&](char* b, UINT n) { return static_cast<UINT>(ExpandEnvironmentStringsA(raw, b, n)) - 1; });
  return folder.empty() ? folder : WithTrailingBackslash(folder);
}

std::string SpecialFolderPath(int folderId) {
  using GetLocation = HRESULT(WINAPI*)(HWND, int, LPITEMIDLIST*);
  using PathFromList = BOOL(WINAPI*)(LPCITEMIDLIST, LPSTR);
  using GetMalloc = HRESULT(WINAPI*)(IMalloc**);
  const auto getLocation = SystemFunction<GetLocation>("shell32.dll", "SHGetSpecialFolderLocation");
  const auto pathFromList = SystemFunction<PathFromList>("shell32.dll", "SHGetPathFromIDListA");
  const auto getMalloc = SystemFunction<GetMalloc>("shell32.dll", "SHGetMalloc");
  if (!getLocation || !pathFromList || !getMalloc) return std::string();
  LPITEMIDLIST items = nullptr;
  if (FAILED(getLocation(nullptr, folderId, &items)) || !items) return std::string();
  char buffer[MAX_PATH + 1] = {};
  const bool ok = pathFromList(items, buffer) != FALSE;
  IMalloc* malloc = nullptr;
  if (SUCCEEDED(getMalloc(&malloc)) && malloc) {
    malloc->Free(items);
    malloc->Release();
  }
  return ok && buffer[0] ? WithTrailingBackslash(buffer) : std::string();
}

StampParts CurrentStampParts() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  StampParts p;
  // The locale numbers its day names from Monday (LOCALE_SDAYNAME1); the clock from Sunday (0).
  p.WeekdayName = LocaleText(LOCALE_SDAYNAME1 + (now.wDayOfWeek + 6) % 7);
  p.MonthAbbrev = LocaleText(LOCALE_SABBREVMONTHNAME1 + (now.wMonth - 1) % 12);
  p.Day = now.wDay;
  p.Year = now.wYear;
  p.Hour = now.wHour;
  p.Minute = now.wMinute;
  return p;
}

}  // namespace kv::helper
