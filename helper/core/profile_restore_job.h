// The unattended restore ("/RESTORE#<profile>"), run by log-on scripts: every function set back from
// a recovery profile by the restore window's rules (function_restore.h), without any window. The
// result is the process exit code; what the restored functions need (log-off, restart) is left in a
// registry value for the script, since the helper never ends the session by itself.
#pragma once

#include <cstdint>
#include <string>

#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"

namespace kv::helper {

// Exit codes of "/RESTORE".
inline constexpr int kRestoreAllDone = 0;        // every value holds the profile's data
inline constexpr int kRestoreSomeFailed = 1;     // some values could not be set (e.g. no right to HKLM)
inline constexpr int kRestoreProfileInvalid = 2;  // profile missing, damaged or of another function
                                                  // count, or no function database: nothing written

// Where the job leaves the need bits of the functions it changed (bit 0 log-off, bit 1 restart; 0
// when nothing is needed). Written after every run that restored, so an old request does not linger.
inline constexpr const char* kRestoreNeedKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\WorkSet";
inline constexpr const char* kRestoreNeedValue = "RestoreNeed";

struct ProfileRestoreJob {
  std::string ProfilePath;   // as given on the command line (a UNC path works: it is opened as it is)
  std::string DatabasePath;  // the function database ties every entry to its function
  std::string UndoFilePath;  // the master profile: its per-user values are only the installer's
  std::string CurrentUser;   // "DOMAIN\user"
  int FunctionCount = 299;
};

struct ProfileRestoreOutcome {
  int ExitCode = kRestoreProfileInvalid;
  std::int32_t NeedBits = 0;
  int Changed = 0;  // functions that had a value written back or deleted
  int Failed = 0;   // functions with a value that could not be set
};

ProfileRestoreOutcome RunProfileRestore(Registry& registry, FileStore& files, const ProfileRestoreJob& job);

}  // namespace kv::helper
