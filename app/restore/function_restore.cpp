// One function set back from its profile record (see function_restore.h).
#include "app/restore/function_restore.h"

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/number_text.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_values.h"

namespace kv {

int BitOfAction(const RegistryAction& action) {
  if (action.ValueKind != KindBinary) return -1;
  const std::string upper = AnsiUpper(action.Data);
  if (upper.find("%BITSET%") == std::string::npos && upper.find("%BITDEL%") == std::string::npos) return -1;
  const std::string rest = action.Data.size() > 8 ? action.Data.substr(8, 9) : std::string();
  return NumberOfText16(rest.substr(0, rest.find('/')));
}

namespace {

// The entry names the place the function's action writes (key path and value name, ignoring case as
// the registry does).
bool SamePlace(const RegistryAction& entry, const RegistryAction& onAction) {
  return EqualsIgnoringCase(entry.KeyPath, onAction.KeyPath) && EqualsIgnoringCase(entry.ValueName, onAction.ValueName);
}
}  // namespace

bool ProfileMayBeRestored(const ProfileTable& table, int functionCount) {
  return table.size() >= ProfileRecordCount(functionCount) && IsValidProfile(table, functionCount);
}

bool EntryFitsAction(const RegistryAction& entry, const RegistryAction& onAction) {
  return !entry.KeyPath.empty() && SamePlace(entry, onAction) && entry.ValueKind == onAction.ValueKind;
}

bool EntryHoldsNow(const Registry& registry, const RegistryAction& entry, const RegistryAction& onAction) {
  const int bit = BitOfAction(onAction);
  return bit < 0 ? EntryHolds(registry, entry) : EntryBitHolds(registry, entry, bit);
}

FunctionRestoreReport RestoreFunction(Registry& registry, const ProfileRecord& record, const FunctionRecord* function,
                                      const RestoreRules& rules) {
  FunctionRestoreReport report;
  bool failed = false;
  for (std::size_t d = 0; d < record.Entries.size(); ++d) {
    if (rules.BeforeEntry) rules.BeforeEntry();
    const RegistryAction& entry = record.Entries[d];
    if (entry.KeyPath.empty()) continue;
    if (rules.SkipPerUserValues && IsPerUserEntry(entry)) {
      report.SkippedPerUser = true;
      if (function && EntryFitsAction(entry, function->OnActions[d]) && !EntryHoldsNow(registry, entry, function->OnActions[d]))
        report.Differs = true;
      continue;
    }
    const LeftOutReason leftOut = LeftOutReasonOf(entry);
    if (leftOut != LeftOutReason::None && function && SamePlace(entry, function->OnActions[d])) {
      if (report.LeftOut == LeftOutReason::None) report.LeftOut = leftOut;  // not saved: nothing to set back
      continue;
    }
    if (!function || !EntryFitsAction(entry, function->OnActions[d])) {
      failed = true;  // not this function's value: left alone
      continue;
    }
    const int bit = BitOfAction(function->OnActions[d]);
    const bool wrote = bit < 0 ? RestoreEntry(registry, entry) : RestoreEntryBit(registry, entry, bit);
    const bool holds = EntryHoldsNow(registry, entry, function->OnActions[d]);
    if (!holds) failed = report.Differs = true;
    else if (wrote) report.Changed = true;
  }
  if (failed) report.Outcome = FunctionOutcome::Failed;
  else if (report.Changed) report.Outcome = FunctionOutcome::Restored;
  return report;
}

}  // namespace kv
