// For tests: the in-memory registry store counting the key opens and creations that reach it.
#pragma once

#include <string>

#include "app/catalogue/memory_registry_store.h"

namespace kv {

class CountingRegistryStore : public MemoryRegistryStore {
 public:
  bool OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) override {
    ++opens;
    return MemoryRegistryStore::OpenKey(root, subKey, access, out);
  }
  bool CreateKey(std::uint32_t root, const std::string& subKey, Key* out) override {
    ++creates;
    return MemoryRegistryStore::CreateKey(root, subKey, out);
  }
  int opens = 0;
  int creates = 0;
};

}  // namespace kv
