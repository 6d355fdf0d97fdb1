// A registry store for batches (the helper's profile scan, the main program's start-up, a restore):
// keys opened for reading or writing stay open, and the read keys' longest-data counts are remembered,
// until the batch ends, so that reading 900 values costs one value query each instead of an open, a
// query and a close, and a restore writes and reads back each value without opening its key again.
// Values are read from the store itself, so no answer is older than the store's own writes: a write or
// a value deletion forgets the remembered lengths, creating a key forgets the keys remembered as missing
// (it may have made them), and deleting a key closes and forgets the handles of that key and the keys
// below it. The one value answered without asking the store is one this batch has just written or
// deleted successfully: it holds what the successful call gave it (a restore's read-back then tells
// whether the write succeeded, without another round trip); a failed write or deletion forgets it.
// Outside a batch (SetCaching(false)) every call goes straight to the inner store.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/catalogue/registry_store.h"

namespace kv {

class ReadCacheStore : public RegistryStore {
 public:
  explicit ReadCacheStore(RegistryStore& inner) : inner_(inner) {}
  ~ReadCacheStore() override { Forget(); }
  ReadCacheStore(const ReadCacheStore&) = delete;
  ReadCacheStore& operator=(const ReadCacheStore&) = delete;

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

  // Closes every remembered key.
  void Forget();
  // Starts or ends a batch; ending it closes every remembered key.
  void SetCaching(bool on);

 private:
  using Path = std::pair<std::uint32_t, std::string>;  // root, lower-case subkey
  struct Cached {
    Key key = 0;  // 0 = the key could not be opened
    bool lengthKnown = false;
    bool lengthOk = false;
    std::uint32_t length = 0;
  };

  RegistryStore& inner_;
  bool caching_ = true;
  // Forgets every remembered length: a write may have made a value longer.
  void ForgetLengths();
  void ForgetKeyTree(const Path& top);
  // What a successful write (present) or deletion (absent) of this batch left in a value.
  struct Written {
    bool present = false;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  using ValuePath = std::pair<Path, std::string>;  // key, lower-case value name
  // The value's place when `key` is a handle of this batch.
  bool PlaceOf(Key key, const std::string& name, ValuePath* out) const;
  void RememberWrite(Key key, const std::string& name, bool succeeded, const Written& written);
  std::map<ValuePath, Written> written_;

  std::map<Path, Cached> keys_;       // read handles (0 = the key could not be opened)
  std::map<Path, Key> writeKeys_;     // handles opened or created for writing
  std::map<Key, Path> cachedHandles_;
};

}  // namespace kv
