// Registry access layer: every registry location is one text, "ROOT_NAME\sub\key", plus a value name.
// Each operation opens, works and closes; nothing is cached and no error is raised to the caller.
// The rules live here once, over a small store interface (registry_store.h), so the same code runs
// on the real registry (Windows build) and on an in-memory store (native tests).
#pragma once

#include <cstdint>
#include <string>

#include "app/catalogue/registry_store.h"

namespace kv {

inline constexpr const char* kNoKey = "NoKey";  // missing-value marker of text and binary reads

// Which root names a path may start with. The helper program also takes the four-letter short names.
enum class RootNames { LongOnly, LongAndShort };

class Registry {
 public:
  explicit Registry(RegistryStore& store, RootNames names = RootNames::LongOnly)
      : store_(store), names_(names) {}

  // Predefined key handle value (0x80000000..0x80000006) for a root name, 0 when unknown.
  std::uint32_t RootKeyFromName(const std::string& name) const;
  // Longest value data in an open key (bytes), 0 when the query fails.
  std::uint32_t MaxValueDataLength(RegistryStore::Key key) const;

  std::string RegReadString(const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText) const;
  std::int32_t RegReadDword(const std::string& keyPath, const std::string& valueName,
                            std::int32_t defaultValue) const;
  std::string RegReadBinary(const std::string& keyPath, const std::string& valueName,
                            const std::string& defaultText) const;

  // Keeps the type of a REG_EXPAND_SZ value it replaces; any other value is written as REG_SZ.
  bool RegWriteString(const std::string& keyPath, const std::string& valueName, const std::string& text);
  bool RegWriteDword(const std::string& keyPath, const std::string& valueName, std::int32_t value);
  // Refuses (returns false, writes nothing) when hexText holds a character that is not a hex digit.
  bool RegWriteBinary(const std::string& keyPath, const std::string& valueName, const std::string& hexText);

  // Deletes a value, or with an empty value name the whole key tree (leaf by leaf, at most 1000 passes).
  void RegDelete(const std::string& keyPath, const std::string& valueName);
  // Present, absent (key or value missing, or an unknown root) or unreadable (access denied...).
  ValuePresence ProbeValue(const std::string& keyPath, const std::string& valueName) const;

  // Deletes exactly one value; unlike RegDelete, the empty name is the key's default value.
  void RegDeleteValue(const std::string& keyPath, const std::string& valueName);
  // Deletes the key when it holds no value and no subkey, within the limits of a key-tree delete;
  // true when it was deleted.
  bool RegDeleteEmptyKey(const std::string& keyPath);

  RegistryStore& store() const { return store_; }

 private:
  RegistryStore& store_;
  RootNames names_;
};

}  // namespace kv
