// Loading a profile with its function database (see restorable_profile.h).
#include "helper/core/restorable_profile.h"

#include "app/catalogue/catalogue_file.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_file.h"

namespace kv::helper {

bool LoadRestorableProfile(FileStore& files, const std::string& profilePath, const std::string& databasePath,
                           int functionCount, RestorableProfile* out) {
  const int n = NormalisedFunctionCount(functionCount);
  if (profilePath.empty() || !files.Exists(profilePath)) return false;
  ProfileTable table = ReadProfile(files, profilePath, n);
  if (!ProfileMayBeRestored(table, n)) return false;
  std::vector<std::uint8_t> database;
  if (!files.Exists(databasePath) || !files.ReadAll(databasePath, &database)) return false;
  out->Table = std::move(table);
  out->Functions = DecodeFunctionFile(database, static_cast<std::size_t>(n) + 2);
  return true;
}

}  // namespace kv::helper
