// Consistency environment under Wine: the prefix's real registry, its Windows version, and icons
// extracted the way the icon page draws them (ExtractIconExA).
#include <windows.h>
#include <shellapi.h>

#include "app/catalogue/win32_registry_store.h"
#include "app/engine/win32_platform_folders.h"
#include "tools/kvcat/tests/consistency_env.h"

namespace kvcat::test {
namespace {

class Win32Environment : public ConsistencyEnvironment {
 public:
  kv::RegistryStore& store() override { return store_; }
  kv::PlatformFolders folders() const override { return kv::ReadPlatformFolders(); }
  OsKind os() const override {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    return version.dwMajorVersion <= 4 ? OsKind::WindowsNT4 : OsKind::Windows2000;
  }
  bool canCheckIcons() const override { return true; }
  bool IconExists(const std::string& file, int index) const override {
    HICON large = nullptr;
    const UINT extracted = ExtractIconExA(file.c_str(), index, &large, nullptr, 1);
    if (large) DestroyIcon(large);
    return extracted != 0 && extracted != UINT(-1) && large != nullptr;
  }
  // Wine 8 registers Internet Explorer's icon in shdoclc.dll, which carries no icons.
  bool KnownMissingIcon(const std::string& location) const override { return location == "shdoclc.dll,-190"; }

 private:
  kv::Win32RegistryStore store_;
};

}  // namespace

std::unique_ptr<ConsistencyEnvironment> MakeConsistencyEnvironment() { return std::make_unique<Win32Environment>(); }

}  // namespace kvcat::test
