// Column list operations and the opaque column block.
#include "treelist/model/columns.h"

#include <cstring>

namespace kv::tree {

int16_t Columns::Add(std::wstring caption, int16_t width) {
  Column column;
  column.caption = std::move(caption);
  column.width = width < 0 ? 0 : width;
  columns_.push_back(std::move(column));
  return Count();
}

bool Columns::Insert(std::wstring caption, int16_t width, int before) {
  if (before < 1 || before > Count() + 1) return false;
  Column column;
  column.caption = std::move(caption);
  column.width = width < 0 ? 0 : width;
  columns_.insert(columns_.begin() + (before - 1), std::move(column));
  return true;
}

bool Columns::Remove(int column) {
  if (!Valid(column)) return false;
  columns_.erase(columns_.begin() + (column - 1));
  return true;
}

namespace {
void Put(std::vector<uint8_t>& out, const void* data, size_t size) {
  const uint8_t* bytes = static_cast<const uint8_t*>(data);
  out.insert(out.end(), bytes, bytes + size);
}
template <class T>
void PutValue(std::vector<uint8_t>& out, T value) {
  Put(out, &value, sizeof value);
}
template <class T>
bool GetValue(const std::vector<uint8_t>& in, size_t& at, T& value) {
  if (at > in.size() || in.size() - at < sizeof value) return false;
  std::memcpy(&value, in.data() + at, sizeof value);
  at += sizeof value;
  return true;
}
const uint32_t kBlockTag = 0x4B56434C;  // "KVCL"
const uint16_t kMaxCaption = 1024;
}  // namespace

// Layout: tag, count, then per column: caption length + UTF-16 units, width, colours, alignments,
// picture and the three flags. Little-endian as stored by the container.
std::vector<uint8_t> Columns::Serialise() const {
  std::vector<uint8_t> out;
  PutValue(out, kBlockTag);
  PutValue(out, uint16_t(columns_.size()));
  for (const Column& c : columns_) {
    uint16_t length = uint16_t(c.caption.size() > kMaxCaption ? kMaxCaption : c.caption.size());
    PutValue(out, length);
    for (uint16_t k = 0; k < length; ++k) PutValue(out, uint16_t(c.caption[k]));
    PutValue(out, c.width);
    PutValue(out, c.backColour);
    PutValue(out, c.foreColour);
    PutValue(out, c.checkAlign);
    PutValue(out, c.textAlign);
    PutValue(out, c.pictureAlign);
    PutValue(out, c.picture);
    PutValue(out, uint8_t((c.lock ? 1 : 0) | (c.checkBox ? 2 : 0) | (c.sortable ? 4 : 0)));
  }
  return out;
}

bool Columns::Deserialise(const std::vector<uint8_t>& block) {
  size_t at = 0;
  uint32_t tag = 0;
  uint16_t count = 0;
  if (!GetValue(block, at, tag) || tag != kBlockTag || !GetValue(block, at, count)) return false;
  std::vector<Column> read;
  for (uint16_t i = 0; i < count; ++i) {
    Column c;
    uint16_t length = 0;
    if (!GetValue(block, at, length) || length > kMaxCaption) return false;
    for (uint16_t k = 0; k < length; ++k) {
      uint16_t unit = 0;
      if (!GetValue(block, at, unit)) return false;
      c.caption.push_back(wchar_t(unit));
    }
    uint8_t flags = 0;
    if (!GetValue(block, at, c.width) || !GetValue(block, at, c.backColour) || !GetValue(block, at, c.foreColour) ||
        !GetValue(block, at, c.checkAlign) || !GetValue(block, at, c.textAlign) ||
        !GetValue(block, at, c.pictureAlign) || !GetValue(block, at, c.picture) || !GetValue(block, at, flags))
      return false;
    c.lock = flags & 1;
    c.checkBox = flags & 2;
    c.sortable = flags & 4;
    read.push_back(std::move(c));
  }
  columns_.swap(read);
  return true;
}

}  // namespace kv::tree
