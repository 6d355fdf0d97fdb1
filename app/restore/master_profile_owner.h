// Who took the master profile. Its per-user values (HKEY_CURRENT_USER) are that user's settings: the
// scan that takes it records the account in the product key, and a restore by anyone else leaves
// those values out instead of giving one user's settings to another.
#pragma once

#include <string>

#include "app/catalogue/registry.h"
#include "app/restore/profile_record.h"

namespace kv {

// Text value under the product key: "DOMAIN\user" of the account that took the master profile.
inline constexpr const char* kMasterProfileUserValue = "MasterProfileUser";

void RecordMasterProfileUser(Registry& registry, const std::string& account);

// Whether `account` may have the master profile's per-user values restored: it took the profile, or
// no taker is recorded (a profile taken before the taker was recorded). An unknown account ("") may
// not when a taker is recorded. Accounts compare ignoring case, as Windows compares them.
bool MayRestoreMasterPerUserValues(const Registry& registry, const std::string& account);

// True for an entry under HKEY_CURRENT_USER (long or short root name).
bool IsPerUserEntry(const RegistryAction& entry);

}  // namespace kv
