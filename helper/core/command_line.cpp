// Command-line splitting and dispatch of the helper program (see command_line.h).
#include "helper/core/command_line.h"

#include "app/restore/recovery_profile.h"
#include "helper/core/text_rules.h"

namespace kv::helper {

namespace {

struct JobSwitch {
  const char* text;
  HelperJob job;
};

constexpr JobSwitch kJobSwitches[] = {
    {"/LOGOFF", HelperJob::LogOff},
    {"/REBOOT", HelperJob::Reboot},
    {"/SHUTDOWN", HelperJob::Shutdown},
    {"/UNDOSCAN", HelperJob::ProfileScan},
    {kMasterScanSwitch, HelperJob::ProfileScan},
    {"/TWEAK", HelperJob::StartupCleaning},
    {"/UNINST", HelperJob::UninstallRestore},
    {kRestoreSwitch, HelperJob::ProfileRestore},
    {kRegExportSwitch, HelperJob::RegExport},
};

}  // namespace

std::string ArgumentTextOf(const std::string& commandLine) {
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t close = commandLine.find('"', 1);
    i = close == std::string::npos ? commandLine.size() : close + 1;
  }
  while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
  return commandLine.substr(i);
}

ArgumentTable SplitArguments(const std::string& argumentText, UpperCaseFunction upper) {
  ArgumentTable fields;
  std::size_t start = 0;
  for (std::size_t index = 0; index < kArgumentFields; ++index) {
    const std::size_t hash = argumentText.find('#', start);
    fields[index] = upper(argumentText.substr(start, hash == std::string::npos ? std::string::npos : hash - start));
    if (hash == std::string::npos) break;
    start = hash + 1;
  }
  return fields;
}

HelperJob SelectJob(const std::string& field0) {
  for (const JobSwitch& s : kJobSwitches) {
    if (field0 == s.text) return s.job;
  }
  // A script that quotes the whole argument (a file name with blanks) passes the quote on in field 0.
  if (field0 == std::string("\"") + kRestoreSwitch) return HelperJob::ProfileRestore;
  if (field0 == std::string("\"") + kRegExportSwitch) return HelperJob::RegExport;
  return HelperJob::Resident;
}

namespace {
// A file name never holds a quote: the quotes a script put around the argument or a name are removed.
std::string WithoutQuotes(const std::string& path) {
  std::string out;
  for (char c : path)
    if (c != '"') out += c;
  return out;
}
}  // namespace

JobOptions ReadJobOptions(const ArgumentTable& fields, const std::string& undoFilePath) {
  JobOptions options;
  options.ScanOutputPath = undoFilePath;
  switch (SelectJob(fields[0])) {
    case HelperJob::ProfileScan:
      // The master profile is the only record of the settings before Korvane: "/UNDOSCAN" never
      // replaces a valid one; the setup program takes it on a fresh installation with "/MASTERSCAN".
      if (fields[0] == kMasterScanSwitch) {
        options.KeepValidMaster = false;
      } else {
        if (!fields[1].empty()) options.ScanOutputPath = fields[1];
        options.KeepValidMaster = SameProfilePath(options.ScanOutputPath, undoFilePath);
      }
      options.ShowProgress = fields[2] == "PROGRESS";
      if (!fields[3].empty()) options.OwnerWindow = LeadingDigitsNumber(fields[3]);
      break;
    case HelperJob::UninstallRestore:
      if (!fields[1].empty()) options.UninstallerArguments = fields[1];
      options.AskBeforeRestore = fields[2] == "ALERT";
      break;
    case HelperJob::ProfileRestore:
    case HelperJob::RegExport:
      ReadTypedPaths(fields, options);
      break;
    default:
      break;
  }
  return options;
}

void ReadTypedPaths(const ArgumentTable& typedFields, JobOptions& options) {
  options.ProfilePath = WithoutQuotes(typedFields[1]);
  options.RegFilePath = WithoutQuotes(typedFields[2]);
}

}  // namespace kv::helper
