// Ending the Windows session ("/LOGOFF", "/REBOOT", "/SHUTDOWN"): the operating-system kind, the
// ExitWindowsEx flags and the order of the platform calls, over a seam so the rules run without Windows.
#pragma once

#include <cstdint>
#include <string>

namespace kv::helper {

enum class OsKind : std::int16_t { Unknown = 0, Windows9x = 1, Nt4 = 2, Nt5OrLater = 3 };

// Platform id 1 -> 9x; platform id 2 -> NT 4 (major <= 4) or NT 5 and later; anything else (also a
// failed query) -> unknown.
OsKind OsKindFromVersion(bool queryOk, std::uint32_t platformId, std::uint32_t majorVersion);

enum SessionEndKind : std::uint32_t { kLogOff = 0, kShutdown = 1, kReboot = 2 };

// Kind flags plus 4 for force, 8 for power off, and 0x10 (force if hung) for force on NT 5 and later.
std::uint32_t ExitWindowsFlags(std::uint32_t kindFlags, bool force, bool powerOff, OsKind os);

inline constexpr const char* kPrivilegeError = "Error for set privileg!";

class SessionPlatform {
 public:
  virtual ~SessionPlatform() = default;
  virtual bool QueryVersion(std::uint32_t* platformId, std::uint32_t* majorVersion) = 0;
  // Opens the process token and enables "SeShutdownPrivilege"; false when a step fails.
  virtual bool EnableShutdownPrivilege() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual bool RequestExit(std::uint32_t flags) = 0;
};

// Nothing on 9x or an unknown system (false, no message). A refused privilege shows the fixed English
// message and returns false. Otherwise asks Windows to end the session; true when it accepted.
bool EndSession(SessionPlatform& platform, std::uint32_t kindFlags, bool force, bool powerOff);

}  // namespace kv::helper
