// Recovery profile naming and the "create profile" command (see recovery_profile.h).
#include "app/restore/recovery_profile.h"

#include <cctype>

#include "app/catalogue/program_path.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"

namespace kv {

namespace {
std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}
}  // namespace

std::string WithProfileExtension(const std::string& name) {
  if (name.size() >= 4 && Upper(name.substr(name.size() - 4)) == ".PRF") return name;
  return name + ".prf";
}

bool SameProfilePath(const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }

bool IsAcceptedProfileName(const std::string& path) { return !path.empty() && path.find('#') == std::string::npos; }

std::string ProfileScanCommand(const std::string& systemFolder, const std::string& profilePath,
                               std::uintptr_t ownerWindow) {
  return QuotedCommandLine(systemFolder + "KORVNST.EXE",
                           "/UNDOSCAN#" + profilePath + "#PROGRESS#" + std::to_string(ownerWindow));
}

bool IsUsableProfileFile(FileStore& files, const std::string& path, int functionCount) {
  return files.Exists(path) && IsValidProfile(ReadProfile(files, path, functionCount), functionCount);
}

std::string CreateRecoveryProfile(ProfileCreationUi& ui, Registry& registry, FileStore& files,
                                  const ProfileCreationSetup& setup) {
  if (registry.RegReadDword(kProfileInfoKey, kProfileInfoValue, -1) != 0) {
    const bool off = ui.ShowProfileInfo();
    registry.RegWriteDword(kProfileInfoKey, kProfileInfoValue, off ? 0 : -1);
  }
  const std::string chosen = ui.AskProfileFile(setup.ProgramFolder + "*.prf");
  if (chosen.empty()) return std::string();
  const std::string path = WithProfileExtension(chosen);
  if (!IsAcceptedProfileName(path)) {
    ui.RefuseProfileName();
    return std::string();
  }
  if (files.Exists(path) && !ui.ConfirmReplace()) return std::string();
  ui.StartHelper(ProfileScanCommand(setup.SystemFolder, path, setup.OwnerWindow));
  return path;
}

}  // namespace kv
