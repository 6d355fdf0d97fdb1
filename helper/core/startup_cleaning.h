// Startup cleaning ("/TWEAK"): the user's history lists and temporary files are cleared and three
// Start-menu folders created or removed, as chosen by the values under the "Morvask" key.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/catalogue/registry.h"
#include "helper/core/folder_system.h"

namespace kv::helper {

inline constexpr const char* kChoicesKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Korvane2k\\Morvask";

struct CleaningFolders {
  std::string Recent;     // special folder 8, ending in a backslash; empty when it has none
  std::string Temp;
  std::string StartMenu;  // special folder 11
  std::vector<std::string> Protected;  // system, Windows and boot directories
  // Where history and temporary folders may lie: below the user's profile, or in one of the
  // system's temporary folders (the Windows folder's TEMP, the machine's TEMP). Never in Program Files.
  std::string Profile;
  std::vector<std::string> SystemTemp;
  std::string ProgramFiles;
};

// The Start-menu folder names of texts 110, 111 and 112 in the current language.
using StartMenuNames = std::array<std::string, 3>;

// True when emptying `folder` could touch a protected folder: the folder is empty, relative, a drive or share
// root, or (compared upper-cased, blanks trimmed, "/" as "\", "." and ".." resolved, repeated and
// trailing backslashes ignored) equal to a protected folder or above one.
bool IsUnsafeToEmpty(const std::string& folder, const std::vector<std::string>& protectedFolders);

// True when `folder` is one the cleaning may empty: safe to empty (above), no network path, not in
// or above Program Files, and either strictly below the user's profile or one of the system's
// temporary folders or below one (each of those itself safe, local and not a drive root).
bool IsCleanableFolder(const std::string& folder, const CleaningFolders& folders);

// Runs every step in order; failures are skipped. The registry must accept the short root names.
// Only cleanable folders are emptied; in the temporary folder files written since the system was
// started stay (a program of this session may still use them).
void RunStartupCleaning(Registry& registry, FolderSystem& fs, const CleaningFolders& folders,
                        const StartMenuNames& startMenuNames);

}  // namespace kv::helper
