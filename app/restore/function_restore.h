// Setting one function back from a profile, under the rules every restore applies (the restore window
// and the helper's uninstall restore): only a profile that passes the marker test is used, and an entry
// is written back only to the function's own value, the place its "on" action writes; of a bit
// function's value only the function's own bit.
#pragma once

#include <functional>

#include "app/catalogue/function_record.h"
#include "app/catalogue/registry.h"
#include "app/restore/profile_record.h"

namespace kv {

// The marker test: the table was written for this function count by a profile scan.
bool ProfileMayBeRestored(const ProfileTable& table, int functionCount);

// A profile entry belongs to its function's "on" action: same key path and value name (compared
// case-insensitively, as the registry does) and same value kind. A damaged or foreign profile can
// therefore not write or delete anywhere else.
bool EntryFitsAction(const RegistryAction& entry, const RegistryAction& onAction);

// The registry holds the entry's stored value now: the whole value, or for a bit function (its
// "on" action `onAction`) the function's own bit.
bool EntryHoldsNow(const Registry& registry, const RegistryAction& entry, const RegistryAction& onAction);

// The bit number of a bit function's action ("%BITSET%" or "%BITDEL%" followed by the bit and
// an optional "/" width, read as the engine reads it), or -1 when the action writes a whole value.
int BitOfAction(const RegistryAction& action);

enum class FunctionOutcome {
  Unchanged,  // every entry already held its stored value
  Restored,   // some value was written back or deleted
  Failed,     // an entry could not be set back, or was not the function's own value
};

struct FunctionRestoreReport {
  FunctionOutcome Outcome = FunctionOutcome::Unchanged;
  bool Changed = false;  // some value was written back or deleted (raises the function's need bit)
  LeftOutReason LeftOut = LeftOutReason::None;  // an own value the profile does not hold, and why
  bool SkippedPerUser = false;  // a per-user value was left out (RestoreRules::SkipPerUserValues)
  bool Differs = false;  // afterwards, one of its own values still differs from the profile (as the preview says)
};

struct RestoreRules {
  // The master profile restored by someone other than the user who took it: its HKEY_CURRENT_USER
  // values are that user's settings and are left out (master_profile_owner.h).
  bool SkipPerUserValues = false;
  // Runs before each of a function's three entries (the helper lets its windows repaint).
  std::function<void()> BeforeEntry;
};

// Restores entries 0, 1, 2 of a function's profile record; `function` is its catalogue record
// (nullptr when the catalogue has none: nothing is written).
FunctionRestoreReport RestoreFunction(Registry& registry, const ProfileRecord& record, const FunctionRecord* function,
                                      const RestoreRules& rules = RestoreRules());

}  // namespace kv
