// Breadth-first directory and file listings of the startup cleaning (see folder_system.h).
#include "helper/core/folder_system.h"

#include "helper/core/text_rules.h"

namespace kv::helper {

namespace {

std::string CleanName(const std::string& raw) {
  return TrimBlanks(raw.substr(0, raw.find('\0')));
}

std::string StartDirectory(const std::string& directory) { return WithTrailingBackslash(TrimBlanks(directory)); }

}  // namespace

std::vector<std::string> ListDirectories(FolderSystem& fs, const std::string& directory, bool recursive) {
  const std::string start = StartDirectory(directory);
  if (!fs.DirectoryExists(start)) return {};
  std::vector<std::string> found{start};
  for (std::size_t next = 0; next < found.size(); ++next) {
    if (next > 0 && !recursive) break;
    const std::string searched = found[next];
    for (const DirectoryEntry& entry : fs.List(searched, "*.*")) {
      const std::string name = CleanName(entry.Name);
      if (entry.Attributes == kAttributeDirectory && !name.empty() && name[0] != '.') {
        found.push_back(searched + name + "\\");
      }
      fs.PumpMessages();
    }
  }
  return found;
}

std::vector<std::string> ListFiles(FolderSystem& fs, const std::string& directory, bool recursive,
                                   const std::string& pattern) {
  std::vector<std::string> paths;
  for (const FoundFile& file : ListFilesWithTimes(fs, directory, recursive, pattern)) paths.push_back(file.Path);
  return paths;
}

std::vector<FoundFile> ListFilesWithTimes(FolderSystem& fs, const std::string& directory, bool recursive,
                                          const std::string& pattern) {
  const std::string start = StartDirectory(directory);
  if (!fs.DirectoryExists(start)) return {};
  const std::string mask = pattern.empty() ? "*.*" : pattern;
  const std::vector<std::string> searched =
      recursive ? ListDirectories(fs, start, true) : std::vector<std::string>{start};
  std::vector<FoundFile> files;
  for (const std::string& dir : searched) {
    for (const DirectoryEntry& entry : fs.List(dir, mask)) {
      const std::string name = CleanName(entry.Name);
      if ((entry.Attributes & kAttributeDirectory) == 0 && !name.empty()) files.push_back({dir + name, entry.Time});
    }
  }
  return files;
}

}  // namespace kv::helper
