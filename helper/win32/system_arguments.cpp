// Command-line fields in the system's code page (see system_arguments.h).
#include "helper/win32/system_arguments.h"

#include <windows.h>

namespace kv::helper {

std::string SystemAnsiUpperCase(std::string text) {
  if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

ArgumentTable HelperArgumentsOf(const std::string& commandLine) {
  return SplitArguments(ArgumentTextOf(commandLine), SystemAnsiUpperCase);
}

}  // namespace kv::helper
