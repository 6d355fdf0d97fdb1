// Paths and the page load / unload steps of the boot file (see boot_files.h).
#include "app/pages/boot_parameters/core/boot_files.h"

namespace kv {

namespace {
std::string WithBackslash(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\') return folder;
  return folder + "\\";
}
}  // namespace

BootPaths BootPathsOf(const SystemFolderSet& folders) {
  BootPaths paths;
  paths.BootFile = folders.Boot + "BOOT.INI";
  paths.Backup = WithBackslash(folders.System) + "BOOTINI.BAK";
  paths.Temp = folders.Boot + "$BOOT$.TMP";
  return paths;
}

void TakeBootBackup(BootFileAccess& files, const BootPaths& paths) {
  if (files.Exists(paths.Backup) || !files.Exists(paths.BootFile)) return;
  files.ReplaceWithCopy(paths.BootFile, paths.Backup);
}

void ReleaseBootFile(BootFileAccess& files, const BootPaths& paths) {
  if (files.Exists(paths.Temp)) files.Remove(paths.Temp);
  if (files.Exists(paths.BootFile)) files.SetAttributes(paths.BootFile, kProtectedAttributes);
}

}  // namespace kv
