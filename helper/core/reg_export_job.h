// The registry-file export for scripts ("/REGEXPORT#<profile>#<file.reg>"): the whole profile as a
// REGEDIT4 file (reg_file_export.h), written atomically, without any window.
#pragma once

#include <string>

#include "app/restore/file_store.h"

namespace kv::helper {

// Exit codes of "/REGEXPORT".
inline constexpr int kExportWritten = 0;
inline constexpr int kExportNotWritten = 1;       // the file could not be written (an old one stays as it was)
inline constexpr int kExportProfileInvalid = 2;   // profile missing or invalid, or no function database

struct RegExportJob {
  std::string ProfilePath;
  std::string RegFilePath;
  std::string DatabasePath;
  int FunctionCount = 299;
};

int RunRegExport(FileStore& files, const RegExportJob& job);

}  // namespace kv::helper
