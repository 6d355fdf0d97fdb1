// The registry primitives the access layer needs, as an interface with two implementations:
// Win32RegistryStore (advapi32 ANSI calls, Windows build) and MemoryRegistryStore (native tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

enum RegType : std::uint32_t { kRegNone = 0, kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4 };

// Whether a value is there, told apart from one that cannot be read (access denied and the like).
enum class ValuePresence { Present, Absent, Unreadable };

class RegistryStore {
 public:
  using Key = std::uintptr_t;  // opaque open-key handle; 0 = none
  enum class Access { Read, Write };

  virtual ~RegistryStore() = default;

  virtual bool OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) = 0;
  // Creates every missing key along the path (like RegCreateKey) and opens it for writing.
  virtual bool CreateKey(std::uint32_t root, const std::string& subKey, Key* out) = 0;
  virtual void CloseKey(Key key) = 0;

  // Reads a value into a buffer of `capacity` bytes. Fails when the value is absent or larger than
  // the buffer. On success `data` holds exactly the returned bytes and `type` the stored type.
  virtual bool QueryValue(Key key, const std::string& name, std::size_t capacity, std::uint32_t* type,
                          std::vector<std::uint8_t>* data) = 0;
  virtual bool SetValue(Key key, const std::string& name, std::uint32_t type,
                        const std::vector<std::uint8_t>& data) = 0;
  virtual bool DeleteValue(Key key, const std::string& name) = 0;
  // Deletes a key that has no subkeys, relative to a root.
  virtual bool DeleteLeafKey(std::uint32_t root, const std::string& subKey) = 0;
  // Name of the subkey at an enumeration index, false when there is none.
  virtual bool EnumSubKey(Key key, std::uint32_t index, std::string* name) = 0;
  // Longest value data in the key, in bytes (RegQueryInfoKey's longest-data count).
  virtual bool QueryMaxValueDataLength(Key key, std::uint32_t* length) = 0;
  // Numbers of subkeys and values in the key (RegQueryInfoKey's counts).
  virtual bool QueryKeyCounts(Key key, std::uint32_t* subKeys, std::uint32_t* values) = 0;
  // Absent only when the key or the value does not exist; any other failure is Unreadable.
  virtual ValuePresence ProbeValue(std::uint32_t root, const std::string& subKey, const std::string& name) = 0;
};

}  // namespace kv
