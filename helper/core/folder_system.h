// The file-system calls of the startup cleaning, as a seam: directory listing with attributes,
// attribute reset, deletion and folder creation, and the message pump run between entries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv::helper {

inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;

struct DirectoryEntry {
  std::string Name;  // as the listing returned it (may carry a NUL and padding)
  std::uint32_t Attributes = 0;
  std::uint64_t Time = 0;  // the later of creation and last write, 100 ns units since 1601 (UTC)
};

struct FoundFile {
  std::string Path;
  std::uint64_t Time = 0;  // as DirectoryEntry::Time
};

class FolderSystem {
 public:
  virtual ~FolderSystem() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Entries of `directory` (ending in a backslash) that match the pattern, "." and ".." included
  // as the platform reports them; empty when nothing matches.
  virtual std::vector<DirectoryEntry> List(const std::string& directory, const std::string& pattern) = 0;
  virtual bool SetNormalAttributes(const std::string& path) = 0;
  virtual bool RemoveFile(const std::string& path) = 0;
  virtual bool RemoveFolder(const std::string& path) = 0;
  virtual bool MakeFolder(const std::string& path) = 0;
  // Lets pending window messages run (the helper stays responsive during long listings).
  virtual void PumpMessages() = 0;
  // When the system was started, in DirectoryEntry::Time units; 0 when not known. May be later than
  // the real start (never earlier), so that a file written since the start is never taken for older.
  virtual std::uint64_t BootTime() = 0;
};

// Subdirectories breadth-first: the start directory first, then each directory found, in the order
// found, each ending in a backslash. Only entries whose attributes are exactly the directory bit and
// whose names do not begin with "." are listed and searched. Empty when the start does not exist.
std::vector<std::string> ListDirectories(FolderSystem& fs, const std::string& directory, bool recursive);

// Full paths of the files (entries without the directory bit) of the directory, or of every directory
// of its directory listing when recursive. Empty pattern = "*.*". Empty when the start does not exist.
std::vector<std::string> ListFiles(FolderSystem& fs, const std::string& directory, bool recursive,
                                   const std::string& pattern);
// The same files with their times.
std::vector<FoundFile> ListFilesWithTimes(FolderSystem& fs, const std::string& directory, bool recursive,
                                          const std::string& pattern);

}  // namespace kv::helper
