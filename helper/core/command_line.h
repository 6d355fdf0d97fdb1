// The helper's command line: the argument text split at every "#" into a table of six upper-cased
// fields, the job chosen by field 0, and the job parameters taken from the further fields. The
// upper-casing is the caller's: the running system's ANSI code page decides what a letter is (a
// code-page 1252 table would turn cp1251 or cp932 file names into other names).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "helper/core/text_rules.h"

namespace kv::helper {

inline constexpr std::size_t kArgumentFields = 6;
using ArgumentTable = std::array<std::string, kArgumentFields>;

// The argument text of a full process command line: everything after the program name (quoted or
// not) and the blanks that follow it. Blanks at the end are kept: they belong to the last field.
std::string ArgumentTextOf(const std::string& commandLine);

using UpperCaseFunction = std::string (*)(std::string text);

// Splits at every "#", upper-cases each field with `upper`, no trimming. Fields after the sixth are
// dropped. The default is the code-page 1252 table (tests, tools); the helper passes the system's.
ArgumentTable SplitArguments(const std::string& argumentText, UpperCaseFunction upper = UpperCaseAnsi);

// Takes the master profile on a fresh installation, replacing an existing undo file (the setup
// program's switch; "/UNDOSCAN" leaves a valid undo file alone). Further fields as "/UNDOSCAN" but
// field 1, which is not read: the output is always the undo file.
inline constexpr const char* kMasterScanSwitch = "/MASTERSCAN";

// For scripts: "/RESTORE#<profile>" restores every function from a profile without a window (exit code
// 0, 1 or 2, profile_restore_job.h); "/REGEXPORT#<profile>#<file.reg>" writes the profile as a registry
// file (reg_export_job.h).
inline constexpr const char* kRestoreSwitch = "/RESTORE";
inline constexpr const char* kRegExportSwitch = "/REGEXPORT";

enum class HelperJob {
  LogOff, Reboot, Shutdown, ProfileScan, StartupCleaning, UninstallRestore, ProfileRestore, RegExport, Resident
};

// Dispatch table: exact comparison of field 0; anything else (also "") selects resident mode. The two
// script switches are also taken after a quote (the whole argument quoted by a script).
HelperJob SelectJob(const std::string& field0);

struct JobOptions {
  std::string ScanOutputPath;        // the undo file path unless field 1 of "/UNDOSCAN" names one
  bool KeepValidMaster = false;      // the scan would write the undo file: a valid one is left alone
  bool ShowProgress = false;         // "/UNDOSCAN" field 2 = "PROGRESS"
  std::uint32_t OwnerWindow = 0;     // "/UNDOSCAN" field 3, leading digits; 0 = none
  std::string UninstallerArguments;  // "/UNINST" field 1
  bool AskBeforeRestore = false;     // "/UNINST" field 2 = "ALERT"
  std::string ProfilePath;           // "/RESTORE", "/REGEXPORT" field 1
  std::string RegFilePath;           // "/REGEXPORT" field 2
};

JobOptions ReadJobOptions(const ArgumentTable& fields, const std::string& undoFilePath);

// The file names of "/RESTORE" and "/REGEXPORT" as typed: `typedFields` is the command line split
// without upper-casing, so that the registry file is created with the name the script gave it. Quotes
// around the argument or a name are dropped.
void ReadTypedPaths(const ArgumentTable& typedFields, JobOptions& options);

}  // namespace kv::helper
