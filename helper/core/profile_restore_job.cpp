// The unattended restore job (see profile_restore_job.h).
#include "helper/core/profile_restore_job.h"

#include <vector>

#include "app/catalogue/catalogue_file.h"
#include "app/restore/function_restore.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_file.h"
#include "app/restore/recovery_profile.h"

namespace kv::helper {

ProfileRestoreOutcome RunProfileRestore(Registry& registry, FileStore& files, const ProfileRestoreJob& job) {
  ProfileRestoreOutcome outcome;
  const int n = NormalisedFunctionCount(job.FunctionCount);
  if (job.ProfilePath.empty() || !files.Exists(job.ProfilePath)) return outcome;
  const ProfileTable table = ReadProfile(files, job.ProfilePath, n);
  if (!ProfileMayBeRestored(table, n)) return outcome;
  std::vector<std::uint8_t> database;
  if (!files.Exists(job.DatabasePath) || !files.ReadAll(job.DatabasePath, &database)) return outcome;
  const std::vector<FunctionRecord> functions = DecodeFunctionFile(database, static_cast<std::size_t>(n) + 2);

  RestoreRules rules;
  rules.SkipPerUserValues = SameProfilePath(job.ProfilePath, job.UndoFilePath) &&
                            !MayRestoreMasterPerUserValues(registry, job.CurrentUser);
  for (int i = 0; i <= n; ++i) {
    const std::size_t index = static_cast<std::size_t>(i);
    const FunctionRecord* function = index < functions.size() ? &functions[index] : nullptr;
    const FunctionRestoreReport report = RestoreFunction(registry, table[index], function, rules);
    if (report.Outcome == FunctionOutcome::Failed) ++outcome.Failed;
    if (!report.Changed) continue;
    ++outcome.Changed;
    const int level = function ? function->RestartLevel : -1;
    if (level == 0 || level == 1) outcome.NeedBits |= 1 << level;  // any other level needs neither
  }
  registry.RegWriteDword(kRestoreNeedKey, kRestoreNeedValue, outcome.NeedBits);
  outcome.ExitCode = outcome.Failed ? kRestoreSomeFailed : kRestoreAllDone;
  return outcome;
}

}  // namespace kv::helper
