// Fills the path variables' folder seam from the system (Windows build only).
#pragma once

#include "app/engine/path_variables.h"

namespace kv {

// System, Windows and temporary folder and the running program's folder, as the system reports them.
PlatformFolders ReadPlatformFolders();

}  // namespace kv
