// Session-end rules (see session_control.h).
#include "helper/core/session_control.h"

namespace kv::helper {

OsKind OsKindFromVersion(bool queryOk, std::uint32_t platformId, std::uint32_t majorVersion) {
  if (!queryOk) return OsKind::Unknown;
  if (platformId == 1) return OsKind::Windows9x;
  if (platformId == 2) return majorVersion > 4 ? OsKind::Nt5OrLater : OsKind::Nt4;
  return OsKind::Unknown;
}

std::uint32_t ExitWindowsFlags(std::uint32_t kindFlags, bool force, bool powerOff, OsKind os) {
  std::uint32_t flags = kindFlags;
  if (force) flags += 4;
  if (powerOff) flags += 8;
  if (force && os == OsKind::Nt5OrLater) flags += 0x10;
  return flags;
}

bool EndSession(SessionPlatform& platform, std::uint32_t kindFlags, bool force, bool powerOff) {
  std::uint32_t platformId = 0;
  std::uint32_t major = 0;
  const bool queried = platform.QueryVersion(&platformId, &major);
  const OsKind os = OsKindFromVersion(queried, platformId, major);
  if (os != OsKind::Nt4 && os != OsKind::Nt5OrLater) return false;
  if (!platform.EnableShutdownPrivilege()) {
    platform.ShowMessage(kPrivilegeError);
    return false;
  }
  return platform.RequestExit(ExitWindowsFlags(kindFlags, force, powerOff, os));
}

}  // namespace kv::helper
