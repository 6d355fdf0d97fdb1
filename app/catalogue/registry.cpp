// The registry access layer's rules: root-name table, path splitting, typed reads with their defaults
// and missing marker, create-on-write, and the leaf-by-leaf deletion of a key tree.
#include "app/catalogue/registry.h"

#include <cctype>
#include <vector>

#include "app/catalogue/hex_text.h"

namespace kv {

namespace {

struct RootName {
  const char* longName;
  const char* shortName;
  std::uint32_t handle;
};

constexpr RootName kRootNames[] = {
    {"HKEY_LOCAL_MACHINE", "HKLM", 0x80000002u},    {"HKEY_CURRENT_USER", "HKCU", 0x80000001u},
    {"HKEY_CLASSES_ROOT", "HKCR", 0x80000000u},     {"HKEY_USERS", "HKUS", 0x80000003u},
    {"HKEY_PERFORMANCE_DATA", "HKPD", 0x80000004u}, {"HKEY_CURRENT_CONFIG", "HKCC", 0x80000005u},
    {"HKEY_DYN_DATA", "HKDD", 0x80000006u},
};

constexpr int kMaxDeletePasses = 1000;
constexpr std::uint32_t kLocalMachineHandle = 0x80000002u;
constexpr std::uint32_t kFirstQueryCapacity = 1024;

struct SplitPath {
  std::uint32_t root = 0;  // 0 = unknown root or no backslash
  std::string subKey;
};

// Opens a key on construction and closes it in every case on destruction.
class OpenedKey {
 public:
  OpenedKey(RegistryStore& store, std::uint32_t root, const std::string& subKey, RegistryStore::Access access)
      : store_(store) {
    if (root != 0 && !store_.OpenKey(root, subKey, access, &key_)) key_ = 0;
  }
  ~OpenedKey() {
    if (key_ != 0) store_.CloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  // Falls back to creating the key (with every missing key along the path) when opening failed.
  void CreateIfMissing(std::uint32_t root, const std::string& subKey) {
    if (key_ == 0 && root != 0 && !store_.CreateKey(root, subKey, &key_)) key_ = 0;
  }
  bool ok() const { return key_ != 0; }
  RegistryStore::Key get() const { return key_; }

 private:
  RegistryStore& store_;
  RegistryStore::Key key_ = 0;
};

}  // namespace

std::uint32_t Registry::RootKeyFromName(const std::string& name) const {
  for (const RootName& r : kRootNames) {
    if (name == r.longName) return r.handle;
    if (names_ == RootNames::LongAndShort && name == r.shortName) return r.handle;
  }
  return 0;
}

std::uint32_t Registry::MaxValueDataLength(RegistryStore::Key key) const {
  std::uint32_t length = 0;
  return store_.QueryMaxValueDataLength(key, &length) ? length : 0;
}

namespace {

// A key tree is deleted only two or more levels below its root: never a root key or a first-level key
// (HKEY_CLASSES_ROOT\exefile, HKEY_CURRENT_USER\Software), and nothing under HKEY_LOCAL_MACHINE\SYSTEM,
// where a whole key may be a driver or the boot configuration. Single values are not limited.
bool KeyTreeMayBeDeleted(std::uint32_t root, const std::string& subKey) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : subKey + '\\') {
    if (c != '\\') {
      part += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (!part.empty()) {
      parts.push_back(part);
      part.clear();
    }
  }
  if (parts.size() < 2) return false;
  return !(root == kLocalMachineHandle && parts[0] == "SYSTEM");
}

SplitPath Split(const Registry& registry, const std::string& keyPath) {
  SplitPath split;
  std::size_t slash = keyPath.find('\\');
  if (slash == std::string::npos) return split;
  split.root = registry.RootKeyFromName(keyPath.substr(0, slash));
  split.subKey = keyPath.substr(slash + 1);
  return split;
}

// Queries a value into a buffer sized by the key's longest value data; false when absent or too long.
// Most values are short, so a first query uses a fixed buffer and saves the key-information call; only
// when that fails is the buffer sized by the longest value data and, if that is larger, the query repeated.
// The outcome is the same as querying with the sized buffer at once, since no value of the key is
// longer than its longest value data.
bool QueryWhole(const Registry& registry, const std::string& keyPath, const std::string& valueName,
                std::vector<std::uint8_t>* data, std::uint32_t* type = nullptr) {
  SplitPath path = Split(registry, keyPath);
  OpenedKey key(registry.store(), path.root, path.subKey, RegistryStore::Access::Read);
  if (!key.ok()) return false;
  std::uint32_t storedType = 0;
  if (type == nullptr) type = &storedType;
  if (registry.store().QueryValue(key.get(), valueName, kFirstQueryCapacity, type, data)) return true;
  const std::uint32_t longest = registry.MaxValueDataLength(key.get());
  return longest > kFirstQueryCapacity && registry.store().QueryValue(key.get(), valueName, longest, type, data);
}

}  // namespace

std::string Registry::RegReadString(const std::string& keyPath, const std::string& valueName,
                                    const std::string& defaultText) const {
  if (keyPath.empty()) return std::string();
  const std::string fallback = defaultText.empty() ? std::string(kNoKey) : defaultText;
  std::vector<std::uint8_t> data;
  if (!QueryWhole(*this, keyPath, valueName, &data)) return fallback;
  if (data.empty()) return std::string();
  // The last character is the terminating zero of a string value; it is cut whatever it is.
  return std::string(data.begin(), data.end() - 1);
}

std::int32_t Registry::RegReadDword(const std::string& keyPath, const std::string& valueName,
                                    std::int32_t defaultValue) const {
  SplitPath path = Split(*this, keyPath);
  OpenedKey key(store_, path.root, path.subKey, RegistryStore::Access::Read);
  if (!key.ok()) return defaultValue;
  std::uint32_t type = kRegDword;
  std::vector<std::uint8_t> data;
  if (!store_.QueryValue(key.get(), valueName, 4, &type, &data)) return defaultValue;
  std::uint32_t value = 0;  // shorter data leaves the high bytes zero, as in a zeroed 4-byte buffer
  for (std::size_t i = 0; i < data.size() && i < 4; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

std::string Registry::RegReadBinary(const std::string& keyPath, const std::string& valueName,
                                    const std::string& defaultText) const {
  const std::string fallback = defaultText.empty() ? std::string(kNoKey) : defaultText;
  std::vector<std::uint8_t> data;
  if (!QueryWhole(*this, keyPath, valueName, &data)) return fallback;
  return BytesToHexText(data);
}

namespace {

bool WriteValue(Registry& registry, const std::string& keyPath, const std::string& valueName, std::uint32_t type,
                const std::vector<std::uint8_t>& data) {
  SplitPath path = Split(registry, keyPath);
  if (path.root == 0) return false;
  OpenedKey key(registry.store(), path.root, path.subKey, RegistryStore::Access::Write);
  key.CreateIfMissing(path.root, path.subKey);
  if (!key.ok()) return false;
  return registry.store().SetValue(key.get(), valueName, type, data);
}

}  // namespace

bool Registry::RegWriteString(const std::string& keyPath, const std::string& valueName, const std::string& text) {
  // A REG_EXPAND_SZ value (a path with %SystemRoot%) written back as REG_SZ would no longer expand.
  std::vector<std::uint8_t> data;
  std::uint32_t type = kRegNone;
  const bool expandable = QueryWhole(*this, keyPath, valueName, &data, &type) && type == kRegExpandSz;
  data.assign(text.begin(), text.end());
  data.push_back(0);
  return WriteValue(*this, keyPath, valueName, expandable ? kRegExpandSz : kRegSz, data);
}

bool Registry::RegWriteDword(const std::string& keyPath, const std::string& valueName, std::int32_t value) {
  const std::uint32_t bits = static_cast<std::uint32_t>(value);
  std::vector<std::uint8_t> data = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                    static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  return WriteValue(*this, keyPath, valueName, kRegDword, data);
}

bool Registry::RegWriteBinary(const std::string& keyPath, const std::string& valueName, const std::string& hexText) {
  std::vector<std::uint8_t> data;
  if (!HexTextToBytes(hexText, &data)) return false;  // not hex: refuse, touch nothing
  return WriteValue(*this, keyPath, valueName, kRegBinary, data);
}

ValuePresence Registry::ProbeValue(const std::string& keyPath, const std::string& valueName) const {
  SplitPath path = Split(*this, keyPath);
  if (path.root == 0) return ValuePresence::Absent;
  return store_.ProbeValue(path.root, path.subKey, valueName);
}

void Registry::RegDeleteValue(const std::string& keyPath, const std::string& valueName) {
  SplitPath path = Split(*this, keyPath);
  OpenedKey key(store_, path.root, path.subKey, RegistryStore::Access::Write);
  if (key.ok()) store_.DeleteValue(key.get(), valueName);
}

bool Registry::RegDeleteEmptyKey(const std::string& keyPath) {
  SplitPath path = Split(*this, keyPath);
  if (path.root == 0 || !KeyTreeMayBeDeleted(path.root, path.subKey)) return false;
  std::uint32_t subKeys = 1, values = 1;
  {
    OpenedKey key(store_, path.root, path.subKey, RegistryStore::Access::Read);
    if (!key.ok() || !store_.QueryKeyCounts(key.get(), &subKeys, &values)) return false;
  }
  return subKeys == 0 && values == 0 && store_.DeleteLeafKey(path.root, path.subKey);
}

void Registry::RegDelete(const std::string& keyPath, const std::string& valueName) {
  SplitPath path = Split(*this, keyPath);
  if (path.root == 0) return;
  if (!valueName.empty()) {
    RegDeleteValue(keyPath, valueName);
    return;
  }
  if (!KeyTreeMayBeDeleted(path.root, path.subKey)) return;
  for (int pass = 0; pass < kMaxDeletePasses; ++pass) {
    std::string current = path.subKey;
    for (;;) {  // descend along first children to a leaf
      std::string child;
      bool hasChild = false;
      {
        OpenedKey key(store_, path.root, current, RegistryStore::Access::Read);
        hasChild = key.ok() && store_.EnumSubKey(key.get(), 0, &child) && !child.empty();
      }
      if (!hasChild) break;
      current += '\\';
      current += child;
    }
    store_.DeleteLeafKey(path.root, current);
    if (current == path.subKey) return;
  }
}

}  // namespace kv
