// The platform's drive queries (see win32_drive_queries.h).
#include "app/pages/drives/win32/win32_drive_queries.h"

#include <windows.h>

#include "app/controls/win32/system_function.h"
#include "app/pages/drives/core/megabytes.h"

namespace kv {

namespace {
using FreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
constexpr DWORD kTextBuffer = 64;

// No "insert a disk" box while a drive without medium is asked.
class QuietErrors {
 public:
  QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~QuietErrors() { SetErrorMode(old_); }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  UINT old_;
};

std::string LocaleText(LCTYPE what, const char* fallback) {
  char buffer[16] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, what, buffer, sizeof buffer) > 0 ? std::string(buffer) : fallback;
}

}  // namespace

int Win32DriveQueries::DriveType(const std::string& root) { return static_cast<int>(GetDriveTypeA(root.c_str())); }

bool Win32DriveQueries::Volume(const std::string& root, VolumeInformation* info) {
  QuietErrors quiet;
  char name[kTextBuffer + 1] = {}, fileSystem[kTextBuffer + 1] = {};
  DWORD serial = 0, maxLength = 0, flags = 0;
  if (!GetVolumeInformationA(root.c_str(), name, kTextBuffer, &serial, &maxLength, &flags, fileSystem, kTextBuffer))
    return false;
  info->Name = name;
  info->Serial = serial;
  info->MaxComponentLength = maxLength;
  info->Flags = flags;
  info->FileSystem = fileSystem;
  return true;
}

bool Win32DriveQueries::FreeSpace64(const std::string& root, FreeSpace* space) {
  static const auto query = SystemFunction<FreeSpaceExFn>("kernel32.dll", "GetDiskFreeSpaceExA");
  if (!query) return false;
  QuietErrors quiet;
  ULARGE_INTEGER caller{}, total{}, free{};
  if (!query(root.c_str(), &caller, &total, &free)) return false;
  space->CallerFree = caller.QuadPart;
  space->Total = total.QuadPart;
  space->TotalFree = free.QuadPart;
  return true;
}

bool Win32DriveQueries::FreeClusters(const std::string& root, ClusterSpace* space) {
  QuietErrors quiet;
  DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectors, &bytes, &freeClusters, &totalClusters)) return false;
  *space = {sectors, bytes, freeClusters, totalClusters};
  return true;
}

NumberFormat Win32DriveQueries::UserNumberFormat() {
  NumberFormat format;
  format.Decimal = LocaleText(LOCALE_SDECIMAL, ".");
  format.Group = LocaleText(LOCALE_STHOUSAND, ",");
  format.Grouping = ParseGrouping(LocaleText(LOCALE_SGROUPING, "3;0"));
  return format;
}

}  // namespace kv
