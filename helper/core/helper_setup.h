// What the helper works out at start-up from the registry and the platform's folders: the language
// offset, the function count, its directories (each ending in a backslash), the boot directory, the
// main program folder, the function database path and the undo file path.
#pragma once

#include <string>

#include "app/catalogue/registry.h"

namespace kv::helper {

inline constexpr const char* kProductKey = "HKEY_LOCAL_MACHINE\\Software\\Quorbel\\Korvane2k";
inline constexpr const char* kWindowsSetupKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";
inline constexpr const char* kCurrentVersionKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kRunKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// 0 German, 1000 English: the "Language" value times 1000 (absent = 0). A value whose offset would not
// fit the 16-bit offset gives 0.
int LanguageOffset(const Registry& registry);

// "FktAnzahl" (default 299) by the main program's own rule (ReadFktAnzahl): a damaged value reads as
// 299 in both programs, so the profiles the helper writes fit the program that restores them.
int FunctionCount(const Registry& registry);

// Folder texts as the platform reports them (no rules applied yet).
struct PlatformFolders {
  std::string System;
  std::string Windows;
  std::string Temp;
  std::string Own;
};

struct HelperFolders {
  std::string System;      // each ends in a backslash
  std::string Windows;
  std::string Temp;
  std::string Own;
  std::string Boot;        // "BootDir" of the Windows setup key, default "C:\"
  std::string AppFolder;   // "AppPath" + backslash; "NoKey\" when the value is missing

  std::string DatabasePath() const { return AppFolder + "Korvn2k.fkt"; }
  std::string UndoFilePath() const { return System + "KORVN2K.UND"; }
};

HelperFolders ResolveHelperFolders(const Registry& registry, const PlatformFolders& platform);

}  // namespace kv::helper
