// In-memory registry store for native tests, faithful to the Windows semantics the access layer relies on:
// key and value names compare case-insensitively (keeping the case they were created with), subkeys
// enumerate in case-insensitive alphabetical order, REG_SZ data is kept as the exact stored bytes,
// CreateKey creates every missing key of the path, a key with subkeys cannot be deleted, a handle opened
// for reading cannot write, and a handle whose key was deleted fails every operation.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/catalogue/registry_store.h"

namespace kv {

class MemoryRegistryStore : public RegistryStore {
 public:
  MemoryRegistryStore();
  ~MemoryRegistryStore() override;

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

  // Direct access for tests, bypassing handles.
  void PutValue(std::uint32_t root, const std::string& subKey, const std::string& name, std::uint32_t type,
                const std::vector<std::uint8_t>& data);
  bool GetValue(std::uint32_t root, const std::string& subKey, const std::string& name, std::uint32_t* type,
                std::vector<std::uint8_t>* data) const;
  bool KeyExists(std::uint32_t root, const std::string& subKey) const;
  // Makes DeleteLeafKey of this key fail, as for a key the user may not delete.
  void DenyDeletion(std::uint32_t root, const std::string& subKey);
  // Makes opening this key for reading fail, as for a key the user may not read (or lifts that).
  void DenyReading(std::uint32_t root, const std::string& subKey, bool denied = true);

  std::size_t OpenHandleCount() const { return handles_.size(); }
  std::size_t DeleteLeafKeyCalls() const { return deleteLeafKeyCalls_; }

 private:
  struct Node;
  struct Handle {
    std::uint32_t root;
    std::vector<std::string> path;  // lower-case components
    Access access;
  };

  Node* Find(std::uint32_t root, const std::vector<std::string>& path) const;
  Node* Resolve(Key key, bool forWrite) const;
  Key NewHandle(std::uint32_t root, std::vector<std::string> path, Access access);

  std::map<std::uint32_t, std::unique_ptr<Node>> roots_;
  std::map<Key, Handle> handles_;
  std::set<std::string> deniedDeletions_;
  std::set<std::string> deniedReads_;
  Key nextHandle_ = 1;
  std::size_t deleteLeafKeyCalls_ = 0;
};

}  // namespace kv
