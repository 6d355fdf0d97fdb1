// Contract environment of the Windows build: the real registry through advapi32.
#include <windows.h>

#include "app/catalogue/tests/registry_contract_env.h"
#include "app/catalogue/win32_registry_store.h"

namespace kv::test {

namespace {
bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class Win32Environment : public ContractEnvironment {
 public:
  RegistryStore& store() override { return store_; }
  bool AddsStringTerminator() const override { return RunningOnWine(); }
  std::string name() const override { return RunningOnWine() ? "Wine registry" : "Windows registry"; }

 private:
  Win32RegistryStore store_;
};
}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() { return std::make_unique<Win32Environment>(); }

}  // namespace kv::test
