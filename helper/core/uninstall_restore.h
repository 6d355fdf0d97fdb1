// The uninstall restore ("/UNINST"): tells the resident helper to end, removes the log-on cleaning
// entry, refuses while an access password is set, optionally asks, restores every function from the
// undo file (by the restore window's rules, function_restore.h) and starts the uninstaller.
#pragma once

#include <string>

#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"

namespace kv::helper {

inline constexpr const char* kPasswordKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

class UninstallPlatform {
 public:
  virtual ~UninstallPlatform() = default;
  // Message box with a warning icon and OK (texts by number; the platform adds the language offset).
  virtual void ShowWarning(int textId, int titleId) = 0;
  // Message box with a question icon, Yes and No; true for Yes.
  virtual bool AskYesNo(int textId, int titleId) = 0;
  virtual void PumpMessages() = 0;
  // Starts a program in a normal window without waiting.
  virtual void StartProgram(const std::string& commandLine) = 0;
};

struct UninstallJob {
  std::string UninstallerArguments;
  bool AskBeforeRestore = false;
  std::string UndoFilePath;
  std::string DatabasePath;  // the function database: ties every undo entry to its function
  std::string CurrentUser;   // "DOMAIN\user": per-user values are restored only for the user who installed
  std::string SystemDirectory;  // ends in a backslash
  int FunctionCount = 299;
};

// Returns the uninstaller command started, or "" when the password guard refused.
std::string RunUninstallRestore(Registry& registry, FileStore& files, UninstallPlatform& platform,
                                const UninstallJob& job);

}  // namespace kv::helper
