// In-memory registry store: a tree of keys per predefined root, addressed through numbered handles
// that are resolved by path on every use.
#include "app/catalogue/memory_registry_store.h"

#include <algorithm>

namespace kv {

namespace {

std::string Lower(const std::string& text) {
  std::string lower = text;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

// Splits a subkey path into its components (empty components, as in "a\\b", are skipped).
std::vector<std::string> Components(const std::string& subKey, bool lower) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= subKey.size()) {
    std::size_t slash = subKey.find('\\', start);
    if (slash == std::string::npos) slash = subKey.size();
    if (slash > start) parts.push_back(lower ? Lower(subKey.substr(start, slash - start))
                                             : subKey.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

std::string Joined(std::uint32_t root, const std::vector<std::string>& lowerPath) {
  std::string text = std::to_string(root);
  for (const std::string& part : lowerPath) text += "\\" + part;
  return text;
}

bool IsPredefinedRoot(std::uint32_t root) { return root >= 0x80000000u && root <= 0x80000006u; }

}  // namespace

struct MemoryRegistryStore::Node {
  struct Value {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
  };
  struct Child {
    std::string name;  // as created
    std::unique_ptr<Node> node;
  };
  std::map<std::string, Child> children;  // by lower-case name: enumeration order
  std::map<std::string, Value> values;    // by lower-case name
};

MemoryRegistryStore::MemoryRegistryStore() {
  for (std::uint32_t root = 0x80000000u; root <= 0x80000006u; ++root) roots_[root] = std::make_unique<Node>();
}

MemoryRegistryStore::~MemoryRegistryStore() = default;

MemoryRegistryStore::Node* MemoryRegistryStore::Find(std::uint32_t root, const std::vector<std::string>& path) const {
  auto r = roots_.find(root);
  if (r == roots_.end()) return nullptr;
  Node* node = r->second.get();
  for (const std::string& part : path) {
    auto child = node->children.find(part);
    if (child == node->children.end()) return nullptr;
    node = child->second.node.get();
  }
  return node;
}

MemoryRegistryStore::Node* MemoryRegistryStore::Resolve(Key key, bool forWrite) const {
  auto h = handles_.find(key);
  if (h == handles_.end()) return nullptr;
  if (forWrite && h->second.access != Access::Write) return nullptr;
  return Find(h->second.root, h->second.path);
}

RegistryStore::Key MemoryRegistryStore::NewHandle(std::uint32_t root, std::vector<std::string> path, Access access) {
  Key key = nextHandle_++;
  handles_[key] = Handle{root, std::move(path), access};
  return key;
}

bool MemoryRegistryStore::OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) {
  std::vector<std::string> path = Components(subKey, true);
  if (Find(root, path) == nullptr) return false;
  if (access == Access::Read && deniedReads_.count(Joined(root, path)) != 0) return false;
  *out = NewHandle(root, std::move(path), access);
  return true;
}

bool MemoryRegistryStore::CreateKey(std::uint32_t root, const std::string& subKey, Key* out) {
  if (!IsPredefinedRoot(root)) return false;
  Node* node = roots_[root].get();
  for (const std::string& part : Components(subKey, false)) {
    Node::Child& child = node->children[Lower(part)];
    if (!child.node) {
      child.name = part;
      child.node = std::make_unique<Node>();
    }
    node = child.node.get();
  }
  *out = NewHandle(root, Components(subKey, true), Access::Write);
  return true;
}

void MemoryRegistryStore::CloseKey(Key key) { handles_.erase(key); }

bool MemoryRegistryStore::QueryValue(Key key, const std::string& name, std::size_t capacity, std::uint32_t* type,
                                     std::vector<std::uint8_t>* data) {
  Node* node = Resolve(key, false);
  if (node == nullptr) return false;
  auto v = node->values.find(Lower(name));
  if (v == node->values.end() || v->second.data.size() > capacity) return false;
  *type = v->second.type;
  *data = v->second.data;
  return true;
}

bool MemoryRegistryStore::SetValue(Key key, const std::string& name, std::uint32_t type,
                                   const std::vector<std::uint8_t>& data) {
  Node* node = Resolve(key, true);
  if (node == nullptr) return false;
  node->values[Lower(name)] = Node::Value{type, data};
  return true;
}

bool MemoryRegistryStore::DeleteValue(Key key, const std::string& name) {
  Node* node = Resolve(key, true);
  return node != nullptr && node->values.erase(Lower(name)) == 1;
}

bool MemoryRegistryStore::DeleteLeafKey(std::uint32_t root, const std::string& subKey) {
  ++deleteLeafKeyCalls_;
  std::vector<std::string> path = Components(subKey, true);
  if (path.empty() || deniedDeletions_.count(Joined(root, path)) != 0) return false;
  std::vector<std::string> parentPath(path.begin(), path.end() - 1);
  Node* parent = Find(root, parentPath);
  if (parent == nullptr) return false;
  auto child = parent->children.find(path.back());
  if (child == parent->children.end() || !child->second.node->children.empty()) return false;
  parent->children.erase(child);
  return true;
}

bool MemoryRegistryStore::EnumSubKey(Key key, std::uint32_t index, std::string* name) {
  Node* node = Resolve(key, false);
  if (node == nullptr || index >= node->children.size()) return false;
  auto child = node->children.begin();
  std::advance(child, index);
  *name = child->second.name;
  return true;
}

bool MemoryRegistryStore::QueryMaxValueDataLength(Key key, std::uint32_t* length) {
  Node* node = Resolve(key, false);
  if (node == nullptr) return false;
  std::size_t longest = 0;
  for (const auto& v : node->values) longest = std::max(longest, v.second.data.size());
  *length = static_cast<std::uint32_t>(longest);
  return true;
}

bool MemoryRegistryStore::QueryKeyCounts(Key key, std::uint32_t* subKeys, std::uint32_t* values) {
  Node* node = Resolve(key, false);
  if (node == nullptr) return false;
  *subKeys = static_cast<std::uint32_t>(node->children.size());
  *values = static_cast<std::uint32_t>(node->values.size());
  return true;
}

void MemoryRegistryStore::PutValue(std::uint32_t root, const std::string& subKey, const std::string& name,
                                   std::uint32_t type, const std::vector<std::uint8_t>& data) {
  Key key = 0;
  if (CreateKey(root, subKey, &key)) {
    SetValue(key, name, type, data);
    CloseKey(key);
  }
}

bool MemoryRegistryStore::GetValue(std::uint32_t root, const std::string& subKey, const std::string& name,
                                   std::uint32_t* type, std::vector<std::uint8_t>* data) const {
  Node* node = Find(root, Components(subKey, true));
  if (node == nullptr) return false;
  auto v = node->values.find(Lower(name));
  if (v == node->values.end()) return false;
  *type = v->second.type;
  *data = v->second.data;
  return true;
}

bool MemoryRegistryStore::KeyExists(std::uint32_t root, const std::string& subKey) const {
  return Find(root, Components(subKey, true)) != nullptr;
}

void MemoryRegistryStore::DenyReading(std::uint32_t root, const std::string& subKey, bool denied) {
  if (denied) deniedReads_.insert(Joined(root, Components(subKey, true)));
  else deniedReads_.erase(Joined(root, Components(subKey, true)));
}

ValuePresence MemoryRegistryStore::ProbeValue(std::uint32_t root, const std::string& subKey, const std::string& name) {
  const std::vector<std::string> path = Components(subKey, true);
  Node* node = Find(root, path);
  if (node == nullptr) return ValuePresence::Absent;
  if (deniedReads_.count(Joined(root, path)) != 0) return ValuePresence::Unreadable;
  return node->values.count(Lower(name)) != 0 ? ValuePresence::Present : ValuePresence::Absent;
}

void MemoryRegistryStore::DenyDeletion(std::uint32_t root, const std::string& subKey) {
  deniedDeletions_.insert(Joined(root, Components(subKey, true)));
}

}  // namespace kv
