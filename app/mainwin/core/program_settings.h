// The program options of the "MainSet" key, read once at start and written back at exit.
#pragma once

#include <string>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/registry.h"

namespace kv {

inline constexpr const char* kMainSetKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\MainSet";
inline constexpr const char* kWorkSetKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\WorkSet";
inline constexpr const char* kPasswordKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
inline constexpr const char* kPasswordValue = "AppInitPss";

struct ProgramSettings {
  bool SaveLastWinPos = true;
  bool SoundEffekts = true;
  bool DlgFade = true;
  bool ViewLastTool = true;
  bool ViewSaveInfo = true;
  int TreeViewStyle = 0;
  int MenuAnimation = 2;
  bool ViewAppLogo = true;
  int LastTool = 500;
  int LastToolTab = 0;
};

// Booleans are 32-bit values: -1 written for true, any non-zero read as true.
bool ReadBool(const Registry& reg, const std::string& key, const std::string& name, bool defaultValue);
void WriteBool(Registry& reg, const std::string& key, const std::string& name, bool value);

ProgramSettings ReadProgramSettings(const Registry& reg);

// "Not set" for a stored text: absent ("NoKey") or empty.
bool IsTextSet(const std::string& text);

// The scrambled access password; empty when none is set.
std::string ReadStoredPassword(const Registry& reg);

// A stored position, or nothing.
bool ReadOptionalDword(const Registry& reg, const std::string& key, const std::string& name, int* value);

// Values written at exit whatever the window state.
void WriteExitSettings(Registry& reg, const ProgramSettings& s, int currentTool, int currentTab);

}  // namespace kv
