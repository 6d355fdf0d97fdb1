// advapi32 ANSI registry calls behind the store interface. Reads open with KEY_READ, writes and value
// deletion with KEY_WRITE; key creation uses RegCreateKeyA, which creates every missing key of the path.
#include "app/catalogue/win32_registry_store.h"

#include <windows.h>

namespace kv {

namespace {

HKEY Root(std::uint32_t root) { return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root))); }
HKEY AsHkey(RegistryStore::Key key) { return reinterpret_cast<HKEY>(key); }
RegistryStore::Key AsKey(HKEY key) { return reinterpret_cast<RegistryStore::Key>(key); }

}  // namespace

bool Win32RegistryStore::OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) {
  HKEY key = nullptr;
  const REGSAM sam = access == Access::Read ? KEY_READ : KEY_WRITE;
  if (RegOpenKeyExA(Root(root), subKey.c_str(), 0, sam, &key) != ERROR_SUCCESS) return false;
  *out = AsKey(key);
  return true;
}

bool Win32RegistryStore::CreateKey(std::uint32_t root, const std::string& subKey, Key* out) {
  HKEY key = nullptr;
  if (RegCreateKeyA(Root(root), subKey.c_str(), &key) != ERROR_SUCCESS) return false;
  *out = AsKey(key);
  return true;
}

void Win32RegistryStore::CloseKey(Key key) { RegCloseKey(AsHkey(key)); }

bool Win32RegistryStore::QueryValue(Key key, const std::string& name, std::size_t capacity, std::uint32_t* type,
                                    std::vector<std::uint8_t>* data) {
  data->assign(capacity > 0 ? capacity : 1, 0);  // never hand the call a null buffer
  DWORD size = static_cast<DWORD>(capacity);
  DWORD storedType = *type;
  if (RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &storedType, data->data(), &size) != ERROR_SUCCESS) {
    data->clear();
    return false;
  }
  data->resize(size);
  *type = storedType;
  return true;
}

bool Win32RegistryStore::SetValue(Key key, const std::string& name, std::uint32_t type,
                                  const std::vector<std::uint8_t>& data) {
  static const BYTE kNoData = 0;
  const BYTE* bytes = data.empty() ? &kNoData : data.data();
  return RegSetValueExA(AsHkey(key), name.c_str(), 0, type, bytes, static_cast<DWORD>(data.size())) ==
         ERROR_SUCCESS;
}

bool Win32RegistryStore::DeleteValue(Key key, const std::string& name) {
  return RegDeleteValueA(AsHkey(key), name.c_str()) == ERROR_SUCCESS;
}

bool Win32RegistryStore::DeleteLeafKey(std::uint32_t root, const std::string& subKey) {
  return RegDeleteKeyA(Root(root), subKey.c_str()) == ERROR_SUCCESS;
}

bool Win32RegistryStore::EnumSubKey(Key key, std::uint32_t index, std::string* name) {
  char buffer[256] = {};
  DWORD length = sizeof(buffer);
  if (RegEnumKeyExA(AsHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  name->assign(buffer, length);
  return true;
}

bool Win32RegistryStore::QueryMaxValueDataLength(Key key, std::uint32_t* length) {
  DWORD longest = 0;
  if (RegQueryInfoKeyA(AsHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       &longest, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  *length = longest;
  return true;
}

bool Win32RegistryStore::QueryKeyCounts(Key key, std::uint32_t* subKeys, std::uint32_t* values) {
  DWORD keys = 0, valueCount = 0;
  if (RegQueryInfoKeyA(AsHkey(key), nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &valueCount, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  *subKeys = keys;
  *values = valueCount;
  return true;
}

ValuePresence Win32RegistryStore::ProbeValue(std::uint32_t root, const std::string& subKey, const std::string& name) {
  HKEY key = nullptr;
  LONG result = RegOpenKeyExA(Root(root), subKey.c_str(), 0, KEY_QUERY_VALUE, &key);
  if (result == ERROR_FILE_NOT_FOUND) return ValuePresence::Absent;
  if (result != ERROR_SUCCESS) return ValuePresence::Unreadable;
  DWORD size = 0;
  result = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
  RegCloseKey(key);
  if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) return ValuePresence::Present;
  return result == ERROR_FILE_NOT_FOUND ? ValuePresence::Absent : ValuePresence::Unreadable;
}

RegistryStore& SystemRegistryStore() {
  static Win32RegistryStore store;
  return store;
}

}  // namespace kv
