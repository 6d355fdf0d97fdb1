// The real session-end calls: version query, process token and shutdown privilege, ExitWindowsEx.
#pragma once

#include "helper/core/session_control.h"

namespace kv::helper {

class Win32SessionPlatform : public SessionPlatform {
 public:
  bool QueryVersion(std::uint32_t* platformId, std::uint32_t* majorVersion) override;
  bool EnableShutdownPrivilege() override;
  void ShowMessage(const std::string& text) override;
  bool RequestExit(std::uint32_t flags) override;
};

}  // namespace kv::helper
