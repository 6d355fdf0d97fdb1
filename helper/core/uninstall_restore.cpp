// The uninstall restore job (see uninstall_restore.h).
#include "helper/core/uninstall_restore.h"

#include "app/catalogue/program_path.h"
#include "app/restore/profile_file.h"
#include "app/restore/profile_values.h"
#include "helper/core/helper_setup.h"
#include "helper/core/helper_texts.h"

namespace kv::helper {

namespace {

// Every entry of functions 0..N, without the marker test; failures are ignored.
void RestoreAllFunctions(Registry& registry, FileStore& files, UninstallPlatform& platform, const UninstallJob& job) {
  if (!files.Exists(job.UndoFilePath)) return;
  const int n = NormalisedFunctionCount(job.FunctionCount);
  const ProfileTable table = ReadProfile(files, job.UndoFilePath, n);
  for (int i = 0; i <= n; ++i) {
    platform.PumpMessages();
    for (const RegistryAction& entry : table[static_cast<std::size_t>(i)].Entries) {
      platform.PumpMessages();
      RestoreEntry(registry, entry);
    }
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
    return std::string();
  }
  const bool restore = !job.AskBeforeRestore || platform.AskYesNo(kTextRestoreQuestion, kTextUninstallTitle);
  if (restore) RestoreAllFunctions(registry, files, platform, job);
  const std::string command = QuotedCommandLine(job.SystemDirectory + "RMVKT.EXE", "/" + job.UninstallerArguments);
  platform.StartProgram(command);
  return command;
}

}  // namespace kv::helper
