// Path variables of database texts ("%INPUT%", "%SYS%", "%WIN%", "%TEMP%", "%BOOT%") and the folders
// kept for other parts of the program: program, system, Windows, temporary and boot folder, undo file.
#pragma once

#include <array>
#include <string>
#include <utility>

#include "app/catalogue/registry.h"

namespace kv {

// What the platform reports, as returned (a trailing backslash is added here when missing).
struct PlatformFolders {
  std::string SystemFolder;
  std::string WindowsFolder;
  std::string TempFolder;
  std::string ProgramFolder;
};

inline constexpr const char* kUndoFileName = "KORVN2K.UND";
inline constexpr const char* kBootDirKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";

std::string WithTrailingBackslash(const std::string& folder);

class PathVariables {
 public:
  // Fills the folders and the variable table; the boot folder is "BootDir" from the registry, default "C:\".
  void Init(const PlatformFolders& folders, const Registry& registry);

  // Replaces, in the order "%INPUT%" (by input), "%SYS%", "%WIN%", "%TEMP%", "%BOOT%", every occurrence
  // of each variable in one left-to-right pass (case-sensitive). A variable name inside the input is
  // therefore expanded too. An empty template gives the empty text.
  std::string Expand(const std::string& templateText, const std::string& input) const;

  const std::string& ProgramFolder() const { return programFolder_; }
  const std::string& SystemFolder() const { return systemFolder_; }
  const std::string& WindowsFolder() const { return windowsFolder_; }
  const std::string& TempFolder() const { return tempFolder_; }
  const std::string& BootFolder() const { return bootFolder_; }
  const std::string& UndoFilePath() const { return undoFilePath_; }

 private:
  std::string programFolder_, systemFolder_, windowsFolder_, tempFolder_, bootFolder_, undoFilePath_;
  // Slot 0 is "%INPUT%", whose value each expansion supplies; slot 5 is empty and replaces nothing.
  std::array<std::pair<std::string, std::string>, 6> table_{
      {{"%INPUT%", ""}, {"%SYS%", ""}, {"%WIN%", ""}, {"%TEMP%", ""}, {"%BOOT%", ""}, {"", ""}}};
};

}  // namespace kv
