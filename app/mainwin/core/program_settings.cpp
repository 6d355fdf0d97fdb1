// Program options store (see program_settings.h).
#include "app/mainwin/core/program_settings.h"

namespace kv {

bool ReadBool(const Registry& reg, const std::string& key, const std::string& name, bool defaultValue) {
  return reg.RegReadDword(key, name, defaultValue ? -1 : 0) != 0;
}

void WriteBool(Registry& reg, const std::string& key, const std::string& name, bool value) {
  reg.RegWriteDword(key, name, value ? -1 : 0);
}

ProgramSettings ReadProgramSettings(const Registry& reg) {
  ProgramSettings s;
  s.SaveLastWinPos = ReadBool(reg, kMainSetKey, "SaveLastWinPos", true);
  s.SoundEffekts = ReadBool(reg, kMainSetKey, "SoundEffekts", true);
  s.DlgFade = ReadBool(reg, kMainSetKey, "DlgFade", true);
  s.ViewLastTool = ReadBool(reg, kMainSetKey, "ViewLastTool", true);
  s.ViewSaveInfo = ReadBool(reg, kMainSetKey, "ViewSaveInfo", true);
  s.ViewAppLogo = ReadBool(reg, kMainSetKey, "ViewAppLogo", true);
  s.TreeViewStyle = reg.RegReadDword(kMainSetKey, "TreeViewStyle", 0);
  s.MenuAnimation = reg.RegReadDword(kMainSetKey, "MenuAnimation", 2);
  s.LastTool = reg.RegReadDword(kMainSetKey, "LastTool", 500);
  s.LastToolTab = reg.RegReadDword(kMainSetKey, "LastToolTab", 0);
  return s;
}

bool IsTextSet(const std::string& text) { return !text.empty() && text != kNoKey; }

std::string ReadStoredPassword(const Registry& reg) {
  std::string s = reg.RegReadString(kPasswordKey, kPasswordValue, "");
  return IsTextSet(s) ? s : std::string();
}

bool ReadOptionalDword(const Registry& reg, const std::string& key, const std::string& name, int* value) {
  // Two reads with different defaults tell an absent value from a stored one.
  const int a = reg.RegReadDword(key, name, 0);
  const int b = reg.RegReadDword(key, name, 1);
  if (a != b) return false;
  *value = a;
  return true;
}

void WriteExitSettings(Registry& reg, const ProgramSettings& s, int currentTool, int currentTab) {
  reg.RegWriteDword(kMainSetKey, "TreeViewStyle", s.TreeViewStyle);
  reg.RegWriteDword(kMainSetKey, "LastTool", currentTool);
  reg.RegWriteDword(kMainSetKey, "LastToolTab", currentTab);
  WriteBool(reg, kMainSetKey, "ViewLastTool", s.ViewLastTool);
}

}  // namespace kv
