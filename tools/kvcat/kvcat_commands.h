// The kvcat command line: compile, decompile and check catalogue sources. Kept apart from main()
// so tests drive exactly what the program does.
//
//   kvcat compile --lang en|de --out DIR SOURCES...
//   kvcat decompile [--lang en|de] --fkt F --hdl H --idx I --count N [--out FILE]
//   kvcat check SOURCES...
//   kvcat adm --lang en|de --out FILE SOURCES...   (adm_command.h)
//   kvcat reference --lang en|de --out DIR SOURCES...   (reference_command.h)
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/kvcat/catalogue_source.h"
#include "tools/kvcat/function_fields.h"

namespace kvcat {

// Returns the process exit code: 0 success, 1 the sources or files have errors, 2 usage error.
int RunKvcat(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Reads and parses every source; syntax problems and unreadable files go to `diagnostics`.
CatalogueSource LoadSources(const std::vector<std::string>& files, Diagnostics& diagnostics);

// The sources named on a command line (files or folders), loaded and checked for one edition's
// needs; every problem goes to `err`. False when a source is missing or has an error.
bool LoadCheckedEdition(const std::vector<std::string>& arguments, Language language, std::ostream& err,
                        CatalogueSource* source);

}  // namespace kvcat
