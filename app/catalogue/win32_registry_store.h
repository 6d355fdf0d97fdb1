// The real registry store: advapi32 ANSI calls (Windows build only).
#pragma once

#include "app/catalogue/registry_store.h"

namespace kv {

class Win32RegistryStore : public RegistryStore {
 public:
  bool OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) override;
  bool CreateKey(std::uint32_t root, const std::string& subKey, Key* out) override;
  void CloseKey(Key key) override;
  bool QueryValue(Key key, const std::string& name, std::size_t capacity, std::uint32_t* type,
                  std::vector<std::uint8_t>* data) override;
  bool SetValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override;
  bool DeleteValue(Key key, const std::string& name) override;
  bool DeleteLeafKey(std::uint32_t root, const std::string& subKey) override;
  bool EnumSubKey(Key key, std::uint32_t index, std::string* name) override;
  bool QueryMaxValueDataLength(Key key, std::uint32_t* length) override;
  bool QueryKeyCounts(Key key, std::uint32_t* subKeys, std::uint32_t* values) override;
  ValuePresence ProbeValue(std::uint32_t root, const std::string& subKey, const std::string& name) override;
};

// The process-wide real store, for programs that need one registry layer for their whole run.
RegistryStore& SystemRegistryStore();

}  // namespace kv
