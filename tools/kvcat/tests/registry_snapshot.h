// Test helper: remembers the values at a set of registry locations and puts them back (or deletes
// them again) when it goes out of scope, so tests that write through the engine leave the registry of
// their prefix as they found it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/registry.h"

namespace kvcat::test {

class RegistrySnapshot {
 public:
  RegistrySnapshot(kv::RegistryStore& store, const kv::Registry& registry) : store_(store), registry_(registry) {}
  ~RegistrySnapshot();
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

  // Remembers one value (key path as in the catalogue); locations with an unknown root are ignored.
  void Remember(const std::string& keyPath, const std::string& valueName);

  // The remembered locations whose value now differs from what was remembered (present or absent,
  // type, data), as "root\\key\\value" texts; empty when the registry is back as it was.
  std::vector<std::string> Differences() const;
  std::size_t Size() const { return saved_.size(); }

 private:
  struct Saved;
  static Saved Read(kv::RegistryStore& store, std::uint32_t root, const std::string& subKey, const std::string& name);
  struct Saved {
    std::uint32_t root = 0;
    std::string subKey, name;
    bool present = false;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  kv::RegistryStore& store_;
  const kv::Registry& registry_;
  std::vector<Saved> saved_;
};

}  // namespace kvcat::test
