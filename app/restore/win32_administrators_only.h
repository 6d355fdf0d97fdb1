// A security descriptor that lets only the administrators and the system account at a file: given to
// the undo file, which holds the settings from before Korvane (the auto-logon password is never in it,
// but the rest is nobody else's business either).
#pragma once

#include <windows.h>

#include <vector>

namespace kv {

class AdministratorsOnly {
 public:
  AdministratorsOnly();
  ~AdministratorsOnly();
  AdministratorsOnly(const AdministratorsOnly&) = delete;
  AdministratorsOnly& operator=(const AdministratorsOnly&) = delete;

  // For CreateFile; nullptr when the descriptor could not be built (a system without security).
  SECURITY_ATTRIBUTES* Attributes() { return ok_ ? &attributes_ : nullptr; }

 private:
  PSID administrators_ = nullptr;
  PSID system_ = nullptr;
  std::vector<DWORD> acl_;  // DWORD-aligned, as an ACL must be
  SECURITY_DESCRIPTOR descriptor_{};
  SECURITY_ATTRIBUTES attributes_{};
  bool ok_ = false;
};

}  // namespace kv
