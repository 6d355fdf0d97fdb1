// The uninstall restore job (see uninstall_restore.h).
#include "helper/core/uninstall_restore.h"

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/program_path.h"
#include "app/restore/profile_file.h"
#include "app/restore/function_restore.h"
#include "app/restore/master_profile_owner.h"
#include "helper/core/helper_setup.h"
#include "helper/core/helper_texts.h"

namespace kv::helper {

namespace {

// Every function 0..N set back from the undo file by the rules the restore window applies: nothing
// is restored from a file that fails the marker test, and only each function's own values (as the
// function database names them) are written; a missing database therefore restores nothing.
void RestoreAllFunctions(Registry& registry, FileStore& files, UninstallPlatform& platform, const UninstallJob& job) {
  if (!files.Exists(job.UndoFilePath)) return;
  const int n = NormalisedFunctionCount(job.FunctionCount);
  const ProfileTable table = ReadProfile(files, job.UndoFilePath, n);
  if (!ProfileMayBeRestored(table, n)) return;
  std::vector<std::uint8_t> database;
  if (!files.Exists(job.DatabasePath) || !files.ReadAll(job.DatabasePath, &database)) return;
  const std::vector<FunctionRecord> functions = DecodeFunctionFile(database, static_cast<std::size_t>(n) + 2);
  RestoreRules rules;
  rules.BeforeEntry = [&platform] { platform.PumpMessages(); };
  rules.SkipPerUserValues = !MayRestoreMasterPerUserValues(registry, job.CurrentUser);
  for (int i = 0; i <= n; ++i) {
    platform.PumpMessages();
    const std::size_t index = static_cast<std::size_t>(i);
    RestoreFunction(registry, table[index], index < functions.size() ? &functions[index] : nullptr, rules);
  }
}

}  // namespace

std::string RunUninstallRestore(Registry& registry, FileStore& files, UninstallPlatform& platform,
                                const UninstallJob& job) {
  registry.RegWriteDword(kCurrentVersionKey, "TerminateSysTray", 1);
  registry.RegDelete(kRunKey, "KorvnTweakMe");
  const std::string password = registry.RegReadString(kPasswordKey, "AppInitPss", "");
  if (!password.empty() && password != kMissingText) {
    platform.ShowWarning(kTextPasswordProtected, kTextCannotUninstall);
    // Korvane stays installed: a request to end left behind would end the tray helper at every
    // log-on of a user who may not delete it.
    registry.RegDelete(kCurrentVersionKey, "TerminateSysTray");
    return std::string();
  }
  const bool restore = !job.AskBeforeRestore || platform.AskYesNo(kTextRestoreQuestion, kTextUninstallTitle);
  if (restore) RestoreAllFunctions(registry, files, platform, job);
  const std::string command = QuotedCommandLine(job.SystemDirectory + "RMVKT.EXE", "/" + job.UninstallerArguments);
  platform.StartProgram(command);
  return command;
}

}  // namespace kv::helper
