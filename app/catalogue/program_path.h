// Rules for the paths of programs and libraries our programs start or load: only a full path (drive
// letter and root, or a network path) is ever used, so nothing is picked up from whatever folder is
// current; and a program path is quoted in a command line, so a folder with blanks ("C:\Program
// Files\...") cannot be read as another program's name.
#pragma once

#include <string>

namespace kv {

// "C:\..." or "\\server\share...": a path that does not depend on the current folder or drive.
bool IsFullPath(const std::string& path);

// "\"" program "\"" followed by a blank and the arguments (none when empty).
std::string QuotedCommandLine(const std::string& program, const std::string& arguments);

}  // namespace kv
