// One function set back from its profile record (see function_restore.h).
#include "app/restore/function_restore.h"

#include <cctype>

#include "app/restore/profile_codec.h"
#include "app/restore/profile_values.h"

namespace kv {

namespace {
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
                                      const std::function<void()>& beforeEntry) {
  FunctionRestoreReport report;
  bool failed = false;
  for (std::size_t d = 0; d < record.Entries.size(); ++d) {
    if (beforeEntry) beforeEntry();
    const RegistryAction& entry = record.Entries[d];
    if (entry.KeyPath.empty()) continue;
    if (!function || !EntryFitsAction(entry, function->OnActions[d])) {
      failed = true;  // not this function's value: left alone
      continue;
    }
    const bool wrote = RestoreEntry(registry, entry);
    if (!EntryHolds(registry, entry)) failed = true;
    else if (wrote) report.Changed = true;
  }
  if (failed) report.Outcome = FunctionOutcome::Failed;
  else if (report.Changed) report.Outcome = FunctionOutcome::Restored;
  return report;
}

}  // namespace kv
