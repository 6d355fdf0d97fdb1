// A profile as a registry file in the REGEDIT4 form that the registry editors of Windows NT 4.0 and
// Windows 2000 import ("regedit /s file.reg" in a log-on script): one [key] section per key, each
// stored value in the form the profile holds ("text", dword:, hex:), in the ANSI code page the
// profile's texts are in. Values stored as absent become deletions ("name"=-), which NT 4.0's
// registry editor is not documented to apply: they are also listed in a comment block at the top.
#pragma once

#include <functional>
#include <string>

#include "app/catalogue/function_record.h"
#include "app/restore/profile_record.h"

namespace kv {

struct RegFileExport {
  std::string Text;    // the whole file, lines ending in CR LF
  int Values = 0;      // values written (set or deleted)
  int Deletions = 0;   // of those, deletions
  int LeftOut = 0;     // entries that a REGEDIT4 file cannot carry, listed in the comment block
};

// Whether function i's record is part of the export (the restore window's scope, or all).
using FunctionFilter = std::function<bool(int functionNumber, const ProfileRecord& record)>;
// The catalogue record of a function number (nullptr when there is none).
using FunctionLookup = std::function<const FunctionRecord*(int functionNumber)>;

// Exports records 0..N of a valid profile. Only a function's own values are written (the restore
// rule: an entry must fit its function's "on" action), each value once (the first function that holds
// it). `source` names the profile in the header comment.
RegFileExport ExportProfileAsRegFile(const ProfileTable& table, int functionCount, const FunctionLookup& function,
                                     const FunctionFilter& selected, const std::string& source);

// A REGEDIT4 string: backslash and quote escaped, enclosed in quotes.
std::string RegFileString(const std::string& text);
// hex: data as the registry editor writes it: lower-case pairs separated by commas, a line broken
// with "\" after the comma that passes column 76, continuation lines indented by two blanks.
// `prefix` is the text before the data on the first line ("\"name\"=").
std::string RegFileHexLine(const std::string& prefix, const std::vector<std::uint8_t>& bytes);

}  // namespace kv
