// Resident mode, the job when the command line names no known switch: one resident helper per
// session, its hidden window with the tray icon and the tree-list buffer, until it is told to end.
#pragma once

#include <windows.h>

#include "app/catalogue/registry.h"
#include "helper/core/helper_setup.h"
#include "helper/win32/string_table.h"

namespace kv::helper {

// Name of the mutex held by the running resident helper of a session.
inline constexpr const char* kResidentMutexName = "KorvnstResidentMode";

void RunResidentMode(HINSTANCE instance, Registry& registry, const StringTable& texts, const HelperFolders& folders);

}  // namespace kv::helper
