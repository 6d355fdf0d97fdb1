// Starting another program in a normal window without waiting for it (the uninstaller, the main
// program from the tray icon).
#pragma once

#include <string>

namespace kv::helper {

// Runs `commandLine`; when `application` is given it names the program file exactly (no search, no
// splitting at blanks) and `folder`, when given, becomes its current folder. An application that is no
// full path is not started. False when it did not start.
bool StartProgramNormal(const std::string& commandLine, const std::string& application = std::string(),
                        const std::string& folder = std::string());

}  // namespace kv::helper
