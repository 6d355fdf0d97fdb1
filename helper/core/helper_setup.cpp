// Start-up values of the helper program (see helper_setup.h).
#include "helper/core/helper_setup.h"

#include "app/catalogue/catalogue.h"
#include "helper/core/text_rules.h"

namespace kv::helper {

int LanguageOffset(const Registry& registry) {
  const long long offset = static_cast<long long>(registry.RegReadDword(kProductKey, "Language", 0)) * 1000;
  return (offset < -32768 || offset > 32767) ? 0 : static_cast<int>(offset);
}

int FunctionCount(const Registry& registry) { return ReadFktAnzahl(registry); }

HelperFolders ResolveHelperFolders(const Registry& registry, const PlatformFolders& platform) {
  HelperFolders folders;
  folders.System = WithTrailingBackslash(platform.System);
  folders.Windows = WithTrailingBackslash(platform.Windows);
  folders.Temp = WithTrailingBackslash(platform.Temp);
  folders.Own = WithTrailingBackslash(platform.Own);
  folders.Boot = WithTrailingBackslash(registry.RegReadString(kWindowsSetupKey, "BootDir", "C:\\"));
  folders.AppFolder = WithTrailingBackslash(registry.RegReadString(kProductKey, "AppPath", ""));
  return folders;
}

}  // namespace kv::helper
