// The master profile's taker (see master_profile_owner.h).
#include "app/restore/master_profile_owner.h"

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/catalogue.h"

namespace kv {

void RecordMasterProfileUser(Registry& registry, const std::string& account) {
  registry.RegWriteString(kProductKey, kMasterProfileUserValue, account);
}

bool MayRestoreMasterPerUserValues(const Registry& registry, const std::string& account) {
  const std::string taker = registry.RegReadString(kProductKey, kMasterProfileUserValue, kNoKey);
  if (taker == kNoKey || taker.empty()) return true;
  return !account.empty() && EqualsIgnoringCase(taker, account);
}

bool IsPerUserEntry(const RegistryAction& entry) {
  const std::string root = entry.KeyPath.substr(0, entry.KeyPath.find('\\'));
  return root == "HKEY_CURRENT_USER" || root == "HKCU";
}

}  // namespace kv
