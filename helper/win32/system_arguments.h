// The helper's command-line fields as the running system reads them: upper-cased in the system's
// ANSI code page (CharUpperBuffA), so that a file name in cp1251 or cp932 stays the same name.
#pragma once

#include <string>

#include "helper/core/command_line.h"

namespace kv::helper {

// Upper case in the system's ANSI code page; double-byte characters are left whole.
std::string SystemAnsiUpperCase(std::string text);

// The fields of a full process command line (program name first, as GetCommandLineA gives it).
ArgumentTable HelperArgumentsOf(const std::string& commandLine);

}  // namespace kv::helper
