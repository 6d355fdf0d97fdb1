// For tests: the in-memory registry store counting the key opens that reach it.
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
  int opens = 0;
};

}  // namespace kv
