// Recovery profiles seen from the main program: the rules for naming a new profile file, asking the
// helper program to take it, and whether a profile file on disk can be restored from.
// The helper writes every profile file; the main program only reads them.
#pragma once

#include <cstdint>
#include <string>

#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"

namespace kv {

// The hint switch "ProfilInfo" lives under the WorkSet key.
inline constexpr const char* kProfileInfoKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\WorkSet";
inline constexpr const char* kProfileInfoValue = "ProfilInfo";

// The chosen name with ".prf" appended unless its last four characters already are ".PRF" (any case).
std::string WithProfileExtension(const std::string& name);

// True when two profile paths name the same file (compared upper-cased).
bool SameProfilePath(const std::string& a, const std::string& b);

// A name the helper can take: its command line splits fields at "#", so a path holding one would be
// written to a different (shorter) name than the one the user chose and confirmed.
bool IsAcceptedProfileName(const std::string& path);

// "<system folder>KORVNST.EXE /UNDOSCAN#<path>#PROGRESS#<owner window in decimal>".
std::string ProfileScanCommand(const std::string& systemFolder, const std::string& profilePath,
                               std::uintptr_t ownerWindow);

// True when the file exists and holds a valid profile for this function count (marker record).
bool IsUsableProfileFile(FileStore& files, const std::string& path, int functionCount);

// What creating a profile needs from the windows around it.
class ProfileCreationUi {
 public:
  virtual ~ProfileCreationUi() = default;
  // The information box (text 145, check box 110); true when it closed with the box ticked.
  virtual bool ShowProfileInfo() = 0;
  // The save dialog (title 147, profile filter) starting at `proposedFile`; "" when cancelled.
  virtual std::string AskProfileFile(const std::string& proposedFile) = 0;
  // "Replace the existing file?" (text 149); true on Yes.
  virtual bool ConfirmReplace() = 0;
  // The chosen name cannot be passed on to the helper.
  virtual void RefuseProfileName() = 0;
  // Starts the helper (normal window, no waiting).
  virtual void StartHelper(const std::string& commandLine) = 0;
};

struct ProfileCreationSetup {
  std::string SystemFolder;   // with trailing backslash
  std::string ProgramFolder;  // with trailing backslash
  std::uintptr_t OwnerWindow = 0;
};

// The whole "create profile" command: information box (unless switched off in "ProfilInfo"), file
// name, overwrite question, helper start. Returns the profile path handed to the helper, "" when the
// user stopped or the name was refused.
std::string CreateRecoveryProfile(ProfileCreationUi& ui, Registry& registry, FileStore& files,
                                  const ProfileCreationSetup& setup);

}  // namespace kv
