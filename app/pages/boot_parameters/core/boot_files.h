// The file access of the Boot parameters tab (read, write, copy over, delete, attributes, exists) and
// where its three files live: the boot file, the backup taken at the first page load, and the
// temporary file a save is built in (beside the boot file, not in a folder every user can write to).
// Win32BootFiles is the real access, tests use an in-memory one.
#pragma once

#include <cstdint>
#include <string>

#include "app/pages/core/own_tab_host.h"

namespace kv {

class BootFileAccess {
 public:
  virtual ~BootFileAccess() = default;
  // The whole file; false (text emptied) when it cannot be opened or read.
  virtual bool Read(const std::string& path, std::string* text) = 0;
  // Creates or replaces the file with exactly `text`; false when any byte could not be written.
  virtual bool Write(const std::string& path, const std::string& text) = 0;
  // Creates a new file with exactly `text`; false when the file exists already (someone else made
  // it) or any byte could not be written.
  virtual bool CreateNew(const std::string& path, const std::string& text) = 0;
  // Puts a copy of `from` in place of `to` in one step: `to` is either its old self or the whole copy,
  // with the owner and access rights `to` had.
  virtual bool ReplaceWithCopy(const std::string& from, const std::string& to) = 0;
  virtual bool Remove(const std::string& path) = 0;
  virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual bool Exists(const std::string& path) = 0;
};

// File attribute values the tab uses.
constexpr std::uint32_t kNormalAttributes = 0;
constexpr std::uint32_t kProtectedAttributes = 7;  // read-only + hidden + system

struct BootPaths {
  std::string BootFile;  // boot folder + "BOOT.INI" (no separator added: the folder text carries it)
  std::string Backup;    // system folder + "BOOTINI.BAK"
  std::string Temp;      // boot folder + "$BOOT$.TMP", beside the boot file
};

BootPaths BootPathsOf(const SystemFolderSet& folders);

// Page load of the Boot options page: the backup is taken once, when none exists yet (and only from
// a boot file that is there, so a missing boot file never leaves an empty backup behind).
void TakeBootBackup(BootFileAccess& files, const BootPaths& paths);
// Page unload: the temporary file goes, the boot file gets its protective attributes back.
void ReleaseBootFile(BootFileAccess& files, const BootPaths& paths);

}  // namespace kv
