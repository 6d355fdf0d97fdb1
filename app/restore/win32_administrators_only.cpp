// The administrators-only security descriptor (see win32_administrators_only.h).
#include "app/restore/win32_administrators_only.h"

namespace kv {

namespace {

// Windows 2000 merges the folder's inheritable entries into a new file's list unless the list is
// marked protected; NT 4.0 has neither the merge nor the function, and keeps the list as given.
void ProtectFromInheritance(SECURITY_DESCRIPTOR* descriptor) {
  using SetControl = BOOL(WINAPI*)(PSECURITY_DESCRIPTOR, SECURITY_DESCRIPTOR_CONTROL, SECURITY_DESCRIPTOR_CONTROL);
  HMODULE advapi = GetModuleHandleA("advapi32.dll");
  auto set = advapi ? reinterpret_cast<SetControl>(
                          reinterpret_cast<void*>(GetProcAddress(advapi, "SetSecurityDescriptorControl")))
                    : nullptr;
  if (set) set(descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
}

}  // namespace

AdministratorsOnly::AdministratorsOnly() {
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                &administrators_) ||
      !AllocateAndInitializeSid(&nt, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &system_)) {
    return;
  }
  const DWORD size = sizeof(ACL) + 2 * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) + GetLengthSid(administrators_) +
                     GetLengthSid(system_);
  acl_.assign(size / sizeof(DWORD) + 1, 0);
  PACL acl = reinterpret_cast<PACL>(acl_.data());
  ok_ = InitializeAcl(acl, size, ACL_REVISION) && AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, administrators_) &&
        AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, system_) &&
        InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) &&
        SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE);
  if (!ok_) return;
  ProtectFromInheritance(&descriptor_);
  attributes_.nLength = sizeof(attributes_);
  attributes_.lpSecurityDescriptor = &descriptor_;
  attributes_.bInheritHandle = FALSE;
}

AdministratorsOnly::~AdministratorsOnly() {
  if (administrators_) FreeSid(administrators_);
  if (system_) FreeSid(system_);
}

}  // namespace kv
