// One function set back from its profile record (see function_restore.h).
#include "app/restore/function_restore.h"

#include <cctype>

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/number_text.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_values.h"

namespace kv {

namespace {
// The bit number of a bit function's action ("%BITSET%" or "%BITDEL%" followed by the bit and
// an optional "/" width, read as the engine reads it), or -1 when the action writes a whole value.
int BitOfAction(const RegistryAction& action) {
  if (action.ValueKind != KindBinary) return -1;
  const std::string upper = AnsiUpper(action.Data);
  if (upper.find("%BITSET%") == std::string::npos && upper.find("%BITDEL%") == std::string::npos) return -1;
  const std::string rest = action.Data.size() > 8 ? action.Data.substr(8, 9) : std::string();
  return NumberOfText16(rest.substr(0, rest.find('/')));
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}
}  // namespace

bool ProfileMayBeRestored(const ProfileTable& table, int functionCount) {
  return table.size() >= ProfileRecordCount(functionCount) && IsValidProfile(table, functionCount);
}

bool EntryFitsAction(const RegistryAction& entry, const RegistryAction& onAction) {
  return !entry.KeyPath.empty() && SameIgnoringCase(entry.KeyPath, onAction.KeyPath) &&
         SameIgnoringCase(entry.ValueName, onAction.ValueName) && entry.ValueKind == onAction.ValueKind;
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
      continue;
    }
    const LeftOutReason leftOut = LeftOutReasonOf(entry);
    if (leftOut != LeftOutReason::None && function && SameIgnoringCase(entry.KeyPath, function->OnActions[d].KeyPath) &&
        SameIgnoringCase(entry.ValueName, function->OnActions[d].ValueName)) {
      if (report.LeftOut == LeftOutReason::None) report.LeftOut = leftOut;  // not saved: nothing to set back
      continue;
    }
    if (!function || !EntryFitsAction(entry, function->OnActions[d])) {
      failed = true;  // not this function's value: left alone
      continue;
    }
    const int bit = BitOfAction(function->OnActions[d]);
    const bool wrote = bit < 0 ? RestoreEntry(registry, entry) : RestoreEntryBit(registry, entry, bit);
    const bool holds = bit < 0 ? EntryHolds(registry, entry) : EntryBitHolds(registry, entry, bit);
    if (!holds) failed = true;
    else if (wrote) report.Changed = true;
  }
  if (failed) report.Outcome = FunctionOutcome::Failed;
  else if (report.Changed) report.Outcome = FunctionOutcome::Restored;
  return report;
}

}  // namespace kv
