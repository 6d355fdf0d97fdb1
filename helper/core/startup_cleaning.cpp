// The startup cleaning job (see startup_cleaning.h).
#include "helper/core/startup_cleaning.h"

#include <algorithm>

#include "helper/core/text_rules.h"

namespace kv::helper {

namespace {

constexpr const char* kHistoryKeys[][2] = {
    {"ClearRunHistory", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"},
    {"ClearUrlHistory", "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs"},
    {"ClearFindHistory",
     "HKCU\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU"},
};

constexpr const char* kStartMenuChoices[] = {"SysStInUserMenu", "DfueNetInUserMenu", "PrinterInUserMenu"};

bool ChoiceIsOn(const Registry& registry, const char* name) {
  return registry.RegReadDword(kChoicesKey, name, 0) == 1;
}

// A folder text reduced for comparison: upper-cased, blanks trimmed, "/" read as "\", empty and "."
// components dropped, ".." resolved. The root is the drive ("C:") or the share ("\\SERVER\SHARE"),
// empty for a relative path.
struct FolderPath {
  std::string Root;
  std::vector<std::string> Parts;
};

FolderPath ParseFolder(const std::string& folder) {
  std::string text = UpperCaseAnsi(TrimBlanks(folder));
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  FolderPath path;
  std::size_t pos = 0;
  if (text.rfind("\\\\", 0) == 0) {
    const std::size_t server = text.find('\\', 2);
    const std::size_t share = server == std::string::npos ? std::string::npos : text.find('\\', server + 1);
    path.Root = text.substr(0, share);
    pos = share == std::string::npos ? text.size() : share;
  } else if (text.size() >= 2 && text[1] == ':') {
    path.Root = text.substr(0, 2);
    pos = 2;
  }
  while (pos < text.size()) {
    const std::size_t end = std::min(text.find('\\', pos), text.size());
    const std::string part = TrimBlanks(text.substr(pos, end - pos));
    pos = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!path.Parts.empty()) path.Parts.pop_back();
    } else {
      path.Parts.push_back(part);
    }
  }
  return path;
}

// `inner` is `outer` or lies below it.
bool IsSameOrBelow(const FolderPath& inner, const FolderPath& outer) {
  if (inner.Root != outer.Root || inner.Parts.size() < outer.Parts.size()) return false;
  for (std::size_t i = 0; i < outer.Parts.size(); ++i) {
    if (inner.Parts[i] != outer.Parts[i]) return false;
  }
  return true;
}

bool IsNetworkPath(const FolderPath& path) { return path.Root.rfind("\\\\", 0) == 0; }

bool IsStrictlyBelow(const FolderPath& inner, const FolderPath& outer) {
  return inner.Parts.size() > outer.Parts.size() && IsSameOrBelow(inner, outer);
}

// Deletes the folder's files and those of its subfolders; files whose time is `keepSince` or later
// stay (0 keeps none).
void DeleteAllFiles(FolderSystem& fs, const std::string& folder, std::uint64_t keepSince) {
  for (const FoundFile& file : ListFilesWithTimes(fs, folder, true, "*.*")) {
    if (keepSince != 0 && file.Time >= keepSince) continue;
    fs.SetNormalAttributes(file.Path);
    fs.RemoveFile(file.Path);
  }
}

}  // namespace

bool IsUnsafeToEmpty(const std::string& folder, const std::vector<std::string>& protectedFolders) {
  const FolderPath candidate = ParseFolder(folder);
  if (candidate.Root.empty() || candidate.Parts.empty()) return true;  // relative, or a drive or share root
  for (const std::string& p : protectedFolders) {
    if (!TrimBlanks(p).empty() && IsSameOrBelow(ParseFolder(p), candidate)) return true;
  }
  return false;
}

bool IsCleanableFolder(const std::string& folder, const CleaningFolders& folders) {
  std::vector<std::string> guarded = folders.Protected;
  guarded.push_back(folders.ProgramFiles);
  const FolderPath candidate = ParseFolder(folder);
  if (IsUnsafeToEmpty(folder, guarded) || IsNetworkPath(candidate)) return false;
  if (!TrimBlanks(folders.ProgramFiles).empty() && IsSameOrBelow(candidate, ParseFolder(folders.ProgramFiles)))
    return false;
  // A place to clean is itself local, not a root and not a protected folder or above one.
  auto usable = [&](const std::string& place) {
    return !IsUnsafeToEmpty(place, guarded) && !IsNetworkPath(ParseFolder(place));
  };
  if (usable(folders.Profile) && IsStrictlyBelow(candidate, ParseFolder(folders.Profile))) return true;
  for (const std::string& temp : folders.SystemTemp) {
    if (usable(temp) && IsSameOrBelow(candidate, ParseFolder(temp))) return true;
  }
  return false;
}

void RunStartupCleaning(Registry& registry, FolderSystem& fs, const CleaningFolders& folders,
                        const StartMenuNames& startMenuNames) {
  if (ChoiceIsOn(registry, "ClearDocHistory") && IsCleanableFolder(folders.Recent, folders)) {
    DeleteAllFiles(fs, folders.Recent, 0);
  }
  // Without a known start time nothing in the temporary folder is old enough to go.
  const std::uint64_t bootTime = fs.BootTime();
  if (ChoiceIsOn(registry, "ClearTempFiles") && IsCleanableFolder(folders.Temp, folders) && bootTime != 0) {
    DeleteAllFiles(fs, folders.Temp, bootTime);
    const std::vector<std::string> directories = ListDirectories(fs, folders.Temp, true);
    for (std::size_t i = 1; i < directories.size(); ++i) fs.RemoveFolder(directories[i]);
  }
  for (const auto& history : kHistoryKeys) {
    if (ChoiceIsOn(registry, history[0])) registry.RegDelete(history[1], "");
  }
  for (std::size_t i = 0; i < startMenuNames.size(); ++i) {
    if (folders.StartMenu.empty()) continue;
    const std::string path = folders.StartMenu + startMenuNames[i];
    if (ChoiceIsOn(registry, kStartMenuChoices[i])) {
      fs.MakeFolder(path);
    } else {
      fs.RemoveFolder(path);
    }
  }
}

}  // namespace kv::helper

