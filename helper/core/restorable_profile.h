// A profile file with the function database it is restored or exported against: read only when the
// profile passes the marker test for this function count and the database can be read (the rule of
// every job that writes a profile's values somewhere).
#pragma once

#include <string>
#include <vector>

#include "app/catalogue/function_record.h"
#include "app/restore/file_store.h"
#include "app/restore/profile_record.h"

namespace kv::helper {

struct RestorableProfile {
  ProfileTable Table;                      // N + 3 records
  std::vector<FunctionRecord> Functions;   // N + 2 records of the database
  // The catalogue record of function i, nullptr beyond the database.
  const FunctionRecord* Function(int i) const {
    return i >= 0 && static_cast<std::size_t>(i) < Functions.size() ? &Functions[static_cast<std::size_t>(i)] : nullptr;
  }
};

// False (and nothing filled) when the profile is missing, fails the marker test, or the database is
// missing or unreadable.
bool LoadRestorableProfile(FileStore& files, const std::string& profilePath, const std::string& databasePath,
                           int functionCount, RestorableProfile* out);

}  // namespace kv::helper
