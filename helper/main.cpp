// Entry of the helper program korvnst.exe ("KorvnStartManager"): works out its start-up values,
// splits the command line and runs the one job that field 0 selects, then ends.
#include <windows.h>

#include "app/catalogue/registry.h"
#include "app/catalogue/win32_registry_store.h"
#include "app/restore/profile_stamp.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/recovery_profile.h"
#include "app/restore/win32_current_account.h"
#include "app/restore/win32_file_store.h"
#include "helper/core/command_line.h"
#include "helper/core/helper_setup.h"
#include "helper/core/helper_texts.h"
#include "helper/core/profile_restore_job.h"
#include "helper/core/profile_scan.h"
#include "helper/core/reg_export_job.h"
#include "app/catalogue/read_cache_store.h"
#include "helper/core/session_control.h"
#include "helper/core/startup_cleaning.h"
#include "helper/core/uninstall_restore.h"
#include "helper/win32/progress_window.h"
#include "helper/win32/resident_job.h"
#include "helper/win32/string_table.h"
#include "helper/win32/system_arguments.h"
#include "helper/win32/win32_environment.h"
#include "helper/win32/win32_folder_system.h"
#include "helper/win32/win32_session.h"
#include "helper/win32/win32_uninstall_platform.h"

namespace kv::helper {
namespace {

constexpr int kRecentFolder = 8;      // CSIDL_RECENT
constexpr int kStartMenuFolder = 11;  // CSIDL_STARTMENU

struct Helper {
  HINSTANCE instance;
  Registry& registry;
  StringTable texts;
  HelperFolders folders;
  JobOptions options;
};

void EndSessionJob(std::uint32_t kind) {
  Win32SessionPlatform platform;
  EndSession(platform, kind, false, false);
}

void ProfileScanJobRun(Helper& h) {
  // The scan only reads: its keys stay open for the whole scan instead of one open per value.
  ReadCacheStore cache(h.registry.store());
  Registry registry(cache, RootNames::LongAndShort);
  // The undo file is for administrators only; a recovery profile gets its folder's permissions.
  const bool takesMaster = SameProfilePath(h.options.ScanOutputPath, h.folders.UndoFilePath());
  Win32FileStore files(takesMaster ? FileAccess::AdministratorsOnly : FileAccess::Inherited);
  ProfileScanJob job;
  job.DatabasePath = h.folders.DatabasePath();
  job.OutputPath = h.options.ScanOutputPath;
  job.KeepValidProfile = h.options.KeepValidMaster;
  job.FunctionCount = FunctionCount(h.registry);
  job.Stamp = [] { return FormatProfileStamp(CurrentStampParts()); };
  job.WriteFailed = [&h] {
    MessageBoxA(nullptr, h.texts.Text(kTextProfileNotSaved).c_str(), h.texts.Text(kTextProgressCaption).c_str(),
                MB_OK | MB_ICONWARNING);
  };
  bool written = false;
  if (!h.options.ShowProgress) {
    written = RunProfileScan(registry, files, job, nullptr);
  } else {
    ProgressWindow window(h.instance, h.texts, h.options.OwnerWindow);
    written = RunProfileScan(registry, files, job, &window);
  }
  // Its per-user values are this user's settings: only this user gets them back (master_profile_owner.h).
  if (written && takesMaster) RecordMasterProfileUser(h.registry, CurrentAccountName());
}

void StartupCleaningJob(Helper& h) {
  Win32FolderSystem fs;
  CleaningFolders folders;
  folders.Recent = SpecialFolderPath(kRecentFolder);
  folders.Temp = h.folders.Temp;
  folders.StartMenu = SpecialFolderPath(kStartMenuFolder);
  folders.Protected = {h.folders.System, h.folders.Windows, h.folders.Boot};
  folders.Profile = UserProfileFolder();
  folders.SystemTemp = {h.folders.Windows + "TEMP\\", MachineTempFolder()};
  folders.ProgramFiles = h.registry.RegReadString(kCurrentVersionKey, "ProgramFilesDir", "");
  const StartMenuNames names = {h.texts.Text(kTextControlPanelFolder), h.texts.Text(kTextDialUpFolder),
                                h.texts.Text(kTextPrinterFolder)};
  RunStartupCleaning(h.registry, fs, folders, names);
}

void UninstallRestoreJob(Helper& h) {
  Win32FileStore files;
  Win32UninstallPlatform platform(h.texts);
  UninstallJob job;
  job.UninstallerArguments = h.options.UninstallerArguments;
  job.AskBeforeRestore = h.options.AskBeforeRestore;
  job.UndoFilePath = h.folders.UndoFilePath();
  job.DatabasePath = h.folders.DatabasePath();
  job.CurrentUser = CurrentAccountName();
  job.SystemDirectory = h.folders.System;
  job.FunctionCount = FunctionCount(h.registry);
  RunUninstallRestore(h.registry, files, platform, job);
}

// No window and no message: the script reads the exit code (and the need value, profile_restore_job.h).
int ProfileRestoreJobRun(Helper& h) {
  Win32FileStore files;
  ProfileRestoreJob job;
  job.ProfilePath = h.options.ProfilePath;
  job.DatabasePath = h.folders.DatabasePath();
  job.UndoFilePath = h.folders.UndoFilePath();
  job.CurrentUser = CurrentAccountName();
  job.FunctionCount = FunctionCount(h.registry);
  ReadCacheStore batch(h.registry.store());  // keys stay open for the whole restore
  Registry registry(batch, RootNames::LongAndShort);
  return RunProfileRestore(registry, files, job).ExitCode;
}

int RegExportJobRun(Helper& h) {
  Win32FileStore files;
  RegExportJob job;
  job.ProfilePath = h.options.ProfilePath;
  job.RegFilePath = h.options.RegFilePath;
  job.DatabasePath = h.folders.DatabasePath();
  job.FunctionCount = FunctionCount(h.registry);
  return RunRegExport(files, job);
}

std::string AsTyped(std::string text) { return text; }

int Run(HINSTANCE instance) {
  Registry registry(SystemRegistryStore(), RootNames::LongAndShort);
  Helper h{instance, registry, StringTable(LanguageOffset(registry)), {}, {}};
  h.folders = ResolveHelperFolders(registry, CurrentPlatformFolders());
  const ArgumentTable fields = HelperArgumentsOf(GetCommandLineA());
  h.options = ReadJobOptions(fields, h.folders.UndoFilePath());
  const HelperJob selected = SelectJob(fields[0]);
  if (selected == HelperJob::ProfileRestore || selected == HelperJob::RegExport)
    ReadTypedPaths(SplitArguments(ArgumentTextOf(GetCommandLineA()), AsTyped), h.options);

  switch (selected) {
    case HelperJob::LogOff:
      EndSessionJob(kLogOff);
      break;
    case HelperJob::Reboot:
      EndSessionJob(kReboot);
      break;
    case HelperJob::Shutdown:
      EndSessionJob(kShutdown);
      break;
    case HelperJob::ProfileScan:
      ProfileScanJobRun(h);
      break;
    case HelperJob::StartupCleaning:
      StartupCleaningJob(h);
      break;
    case HelperJob::UninstallRestore:
      UninstallRestoreJob(h);
      break;
    case HelperJob::ProfileRestore:
      return ProfileRestoreJobRun(h);
    case HelperJob::RegExport:
      return RegExportJobRun(h);
    case HelperJob::Resident:
      RunResidentMode(h.instance, h.registry, h.texts, h.folders);
      break;
  }
  return 0;
}

}  // namespace
}  // namespace kv::helper

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return kv::helper::Run(instance); }
