// The unattended restore job (see profile_restore_job.h).
#include "helper/core/profile_restore_job.h"

#include "app/restore/function_restore.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/recovery_profile.h"
#include "helper/core/restorable_profile.h"

namespace kv::helper {

ProfileRestoreOutcome RunProfileRestore(Registry& registry, FileStore& files, const ProfileRestoreJob& job) {
  ProfileRestoreOutcome outcome;
  const int n = NormalisedFunctionCount(job.FunctionCount);
  RestorableProfile profile;
  if (!LoadRestorableProfile(files, job.ProfilePath, job.DatabasePath, n, &profile)) return outcome;

  RestoreRules rules;
  rules.SkipPerUserValues = SameProfilePath(job.ProfilePath, job.UndoFilePath) &&
                            !MayRestoreMasterPerUserValues(registry, job.CurrentUser);
  for (int i = 0; i <= n; ++i) {
    const FunctionRecord* function = profile.Function(i);
    const FunctionRestoreReport report =
        RestoreFunction(registry, profile.Table[static_cast<std::size_t>(i)], function, rules);
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
