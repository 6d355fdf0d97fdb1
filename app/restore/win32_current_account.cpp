// The process's account from its token (see win32_current_account.h).
#include "app/restore/win32_current_account.h"

#include <windows.h>

#include <vector>

namespace kv {

std::string CurrentAccountName() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return std::string();
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<DWORD> buffer(size / sizeof(DWORD) + 1);
  const bool ok = size != 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size);
  CloseHandle(token);
  if (!ok) return std::string();
  char name[256] = {}, domain[256] = {};
  DWORD nameLength = sizeof name, domainLength = sizeof domain;
  SID_NAME_USE use;
  if (!LookupAccountSidA(nullptr, reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, name, &nameLength, domain,
                         &domainLength, &use)) {
    return std::string();
  }
  return std::string(domain) + "\\" + name;
}

}  // namespace kv
