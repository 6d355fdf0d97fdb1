// An in-memory registry with the access layer over it, for the profile tests.
#pragma once

#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"

namespace kv::test {

inline constexpr std::uint32_t kHklm = 0x80000002;
inline constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\Software\\Test";
inline constexpr const char* kSubKey = "Software\\Test";

class RegistryFixture : public testing::Test {
 protected:
  bool Stored(const std::string& name, std::uint32_t* type = nullptr, std::vector<std::uint8_t>* data = nullptr) {
    std::uint32_t t = 0;
    std::vector<std::uint8_t> d;
    const bool found = store_.GetValue(kHklm, kSubKey, name, &t, &d);
    if (type) *type = t;
    if (data) *data = d;
    return found;
  }

  MemoryRegistryStore store_;
  Registry registry_{store_};
};

}  // namespace kv::test
