// What the shipped-catalogue consistency test needs from where it runs: natively an in-memory registry
// and no icon files; under Wine the real registry of a fresh prefix and the shell's icon extraction.
#pragma once

#include <memory>
#include <string>

#include "app/catalogue/registry_store.h"
#include "app/engine/path_variables.h"

namespace kvcat::test {

enum class OsKind { Any, Windows2000, WindowsNT4 };

class ConsistencyEnvironment {
 public:
  virtual ~ConsistencyEnvironment() = default;
  virtual kv::RegistryStore& store() = 0;
  virtual kv::PlatformFolders folders() const = 0;
  // Which functions apply here: OsFilter 2 always, 0 on Windows 2000, 1 on NT 4; Any = all of them.
  virtual OsKind os() const = 0;
  // Whether `file` holds an icon at `index` (a negative index names a resource id); false when the
  // environment cannot tell (then `canCheckIcons` is false).
  virtual bool canCheckIcons() const = 0;
  virtual bool IconExists(const std::string& file, int index) const = 0;
  // Locations the system's own registry holds that name no drawable icon (the icon page leaves such
  // functions out of its list); recorded here so any other missing icon fails the test.
  virtual bool KnownMissingIcon(const std::string& location) const = 0;
};

std::unique_ptr<ConsistencyEnvironment> MakeConsistencyEnvironment();

}  // namespace kvcat::test
