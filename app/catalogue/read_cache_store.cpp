// Read-batch registry store (see read_cache_store.h).
#include "app/catalogue/read_cache_store.h"

#include <cctype>
#include <iterator>

namespace kv {

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void ReadCacheStore::Forget() {
  for (const auto& entry : keys_) {
    if (entry.second.key) inner_.CloseKey(entry.second.key);
  }
  for (const auto& entry : writeKeys_) inner_.CloseKey(entry.second);
  keys_.clear();
  writeKeys_.clear();
  cachedHandles_.clear();
  written_.clear();
}

void ReadCacheStore::ForgetLengths() {
  for (auto& entry : keys_) entry.second.lengthKnown = false;
}

void ReadCacheStore::SetCaching(bool on) {
  if (!on) Forget();
  caching_ = on;
}

bool ReadCacheStore::OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) {
  if (!caching_) return inner_.OpenKey(root, subKey, access, out);
  const Path path{root, Lower(subKey)};
  if (access != Access::Read) {
    auto known = writeKeys_.find(path);
    if (known == writeKeys_.end()) {
      Key key = 0;
      if (!inner_.OpenKey(root, subKey, access, &key)) return false;
      known = writeKeys_.emplace(path, key).first;
      cachedHandles_[key] = path;
    }
    *out = known->second;
    return true;
  }
  auto it = keys_.find(path);
  if (it == keys_.end()) {
    Cached cached;
    if (!inner_.OpenKey(root, subKey, Access::Read, &cached.key)) cached.key = 0;
    it = keys_.emplace(path, cached).first;
    if (cached.key) cachedHandles_[cached.key] = path;
  }
  *out = it->second.key;
  return it->second.key != 0;
}

bool ReadCacheStore::CreateKey(std::uint32_t root, const std::string& subKey, Key* out) {
  if (!caching_) return inner_.CreateKey(root, subKey, out);
  // The key and the keys above it may exist now: nothing is remembered as missing any more.
  for (auto it = keys_.begin(); it != keys_.end();) it = it->second.key ? std::next(it) : keys_.erase(it);
  const Path path{root, Lower(subKey)};
  auto known = writeKeys_.find(path);
  if (known == writeKeys_.end()) {
    Key key = 0;
    if (!inner_.CreateKey(root, subKey, &key)) return false;
    known = writeKeys_.emplace(path, key).first;
    cachedHandles_[key] = path;
  }
  *out = known->second;
  return true;
}

void ReadCacheStore::CloseKey(Key key) {
  if (cachedHandles_.count(key) == 0) inner_.CloseKey(key);
}

bool ReadCacheStore::PlaceOf(Key key, const std::string& name, ValuePath* out) const {
  auto handle = cachedHandles_.find(key);
  if (!caching_ || handle == cachedHandles_.end()) return false;
  *out = ValuePath{handle->second, Lower(name)};
  return true;
}

void ReadCacheStore::RememberWrite(Key key, const std::string& name, bool succeeded, const Written& written) {
  ValuePath place;
  if (!PlaceOf(key, name, &place)) return;
  if (succeeded)
    written_[place] = written;
  else
    written_.erase(place);
}

bool ReadCacheStore::QueryValue(Key key, const std::string& name, std::size_t capacity, std::uint32_t* type,
                                std::vector<std::uint8_t>* data) {
  ValuePath place;
  if (PlaceOf(key, name, &place)) {
    auto known = written_.find(place);
    if (known != written_.end()) {
      // As the store answers: absent, or too long for the buffer, is a failed query.
      if (!known->second.present || known->second.data.size() > capacity) return false;
      if (type) *type = known->second.type;
      *data = known->second.data;
      return true;
    }
  }
  return inner_.QueryValue(key, name, capacity, type, data);
}

bool ReadCacheStore::SetValue(Key key, const std::string& name, std::uint32_t type,
                              const std::vector<std::uint8_t>& data) {
  ForgetLengths();
  const bool ok = inner_.SetValue(key, name, type, data);
  RememberWrite(key, name, ok, Written{true, type, data});
  return ok;
}

bool ReadCacheStore::DeleteValue(Key key, const std::string& name) {
  ForgetLengths();
  const bool ok = inner_.DeleteValue(key, name);
  RememberWrite(key, name, ok, Written{});
  return ok;
}

bool ReadCacheStore::DeleteLeafKey(std::uint32_t root, const std::string& subKey) {
  if (caching_) ForgetKeyTree(Path{root, Lower(subKey)});
  return inner_.DeleteLeafKey(root, subKey);
}

// Closes and forgets the handles of `top` and of every key below it; other keys stay open.
void ReadCacheStore::ForgetKeyTree(const Path& top) {
  const auto within = [&top](const Path& path) {
    return path.first == top.first && path.second.compare(0, top.second.size(), top.second) == 0 &&
           (path.second.size() == top.second.size() || path.second[top.second.size()] == '\\');
  };
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (!within(it->first)) {
      ++it;
      continue;
    }
    if (it->second.key) {
      cachedHandles_.erase(it->second.key);
      inner_.CloseKey(it->second.key);
    }
    it = keys_.erase(it);
  }
  for (auto it = writeKeys_.begin(); it != writeKeys_.end();) {
    if (!within(it->first)) {
      ++it;
      continue;
    }
    cachedHandles_.erase(it->second);
    inner_.CloseKey(it->second);
    it = writeKeys_.erase(it);
  }
  for (auto it = written_.begin(); it != written_.end();) it = within(it->first.first) ? written_.erase(it) : std::next(it);
}

bool ReadCacheStore::EnumSubKey(Key key, std::uint32_t index, std::string* name) {
  return inner_.EnumSubKey(key, index, name);
}

ValuePresence ReadCacheStore::ProbeValue(std::uint32_t root, const std::string& subKey, const std::string& name) {
  return inner_.ProbeValue(root, subKey, name);
}

bool ReadCacheStore::QueryKeyCounts(Key key, std::uint32_t* subKeys, std::uint32_t* values) {
  return inner_.QueryKeyCounts(key, subKeys, values);
}

bool ReadCacheStore::QueryMaxValueDataLength(Key key, std::uint32_t* length) {
  auto handle = cachedHandles_.find(key);
  if (handle == cachedHandles_.end()) return inner_.QueryMaxValueDataLength(key, length);
  Cached& cached = keys_[handle->second];
  if (!cached.lengthKnown) {
    cached.lengthOk = inner_.QueryMaxValueDataLength(key, &cached.length);
    cached.lengthKnown = true;
  }
  *length = cached.length;
  return cached.lengthOk;
}

}  // namespace kv
