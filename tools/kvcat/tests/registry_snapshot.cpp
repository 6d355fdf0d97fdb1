// Saving and restoring registry values around a test.
#include "tools/kvcat/tests/registry_snapshot.h"

#include <algorithm>

namespace kvcat::test {

void RegistrySnapshot::Remember(const std::string& keyPath, const std::string& valueName) {
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string::npos) return;
  Saved saved;
  saved.root = registry_.RootKeyFromName(keyPath.substr(0, slash));
  if (saved.root == 0) return;
  saved.subKey = keyPath.substr(slash + 1);
  saved.name = valueName;
  for (const Saved& known : saved_) {
    if (known.root == saved.root && known.subKey == saved.subKey && known.name == saved.name) return;
  }
  saved_.push_back(Read(store_, saved.root, saved.subKey, valueName));
}

RegistrySnapshot::Saved RegistrySnapshot::Read(kv::RegistryStore& store, std::uint32_t root, const std::string& subKey,
                                               const std::string& name) {
  Saved saved;
  saved.root = root;
  saved.subKey = subKey;
  saved.name = name;
  kv::RegistryStore::Key key = 0;
  if (store.OpenKey(root, subKey, kv::RegistryStore::Access::Read, &key)) {
    saved.present = store.QueryValue(key, name, 1 << 20, &saved.type, &saved.data);
    store.CloseKey(key);
  }
  return saved;
}

std::vector<std::string> RegistrySnapshot::Differences() const {
  std::vector<std::string> out;
  for (const Saved& before : saved_) {
    const Saved now = Read(store_, before.root, before.subKey, before.name);
    const bool same = now.present == before.present &&
                      (!now.present || (now.type == before.type && now.data == before.data));
    if (!same) out.push_back(std::to_string(before.root) + "\\" + before.subKey + "\\" + before.name);
  }
  return out;
}

RegistrySnapshot::~RegistrySnapshot() {
  // Newest first, so a value remembered twice ends with its oldest content.
  for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
    kv::RegistryStore::Key key = 0;
    if (it->present) {
      if (store_.CreateKey(it->root, it->subKey, &key)) {
        store_.SetValue(key, it->name, it->type, it->data);
        store_.CloseKey(key);
      }
    } else if (store_.OpenKey(it->root, it->subKey, kv::RegistryStore::Access::Write, &key)) {
      store_.DeleteValue(key, it->name);
      store_.CloseKey(key);
    }
  }
}

}  // namespace kvcat::test
