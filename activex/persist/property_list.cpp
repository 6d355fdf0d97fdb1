// Named property values and their stream form (see property_list.h for the layout).
#include "activex/persist/property_list.h"

#include <cstring>

namespace kv::persist {
namespace {

constexpr uint8_t kMagic[4] = {'K', 'V', 'P', '1'};
constexpr uint8_t kNumber = 1;
constexpr uint8_t kText = 2;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint32_t GetU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool ValidName(const uint8_t* p, size_t length) {
  if (length == 0 || length > kMaxNameLength) return false;
  for (size_t i = 0; i < length; ++i)
    if (p[i] < 0x21 || p[i] > 0x7E) return false;
  return true;
}

// Reads sequentially from a byte range; every read checks the remaining length first.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : p_(data), left_(size) {}
  bool Done() const { return left_ == 0; }
  bool Bytes(size_t n, const uint8_t** out) {
    if (n > left_) return false;
    *out = p_;
    p_ += n;
    left_ -= n;
    return true;
  }
  bool U8(uint8_t* out) {
    const uint8_t* p;
    if (!Bytes(1, &p)) return false;
    *out = *p;
    return true;
  }
  bool U32(uint32_t* out) {
    const uint8_t* p;
    if (!Bytes(4, &p)) return false;
    *out = GetU32(p);
    return true;
  }

 private:
  const uint8_t* p_;
  size_t left_;
};

int HexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

bool WriteBytes(Bag& bag, const char* name, const std::vector<uint8_t>& bytes) {
  if (bytes.size() > kMaxTextUnits / 2) return false;
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  text.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 15];
  }
  bag.WriteText(name, text);
  return true;
}

bool ReadBytes(const Bag& bag, const char* name, std::vector<uint8_t>* out) {
  out->clear();
  std::wstring text;
  if (!bag.ReadText(name, &text) || text.size() % 2) return false;
  out->reserve(text.size() / 2);
  for (size_t i = 0; i < text.size(); i += 2) {
    int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) {
      out->clear();
      return false;
    }
    out->push_back(static_cast<uint8_t>(high << 4 | low));
  }
  return true;
}

const PropertyList::Entry* PropertyList::Find(const char* name) const {
  for (const Entry& e : entries_)
    if (e.name == name) return &e;
  return nullptr;
}

PropertyList::Entry* PropertyList::Find(const char* name) {
  return const_cast<Entry*>(static_cast<const PropertyList*>(this)->Find(name));
}

PropertyList::Entry& PropertyList::Slot(const char* name) {
  if (Entry* e = Find(name)) return *e;
  entries_.push_back(Entry{name, false, 0, {}});
  return entries_.back();
}

bool PropertyList::ReadNumber(const char* name, int32_t* out) const {
  const Entry* e = Find(name);
  if (!e || e->isText) return false;
  *out = e->number;
  return true;
}

bool PropertyList::ReadText(const char* name, std::wstring* out) const {
  const Entry* e = Find(name);
  if (!e || !e->isText) return false;
  *out = e->text;
  return true;
}

void PropertyList::WriteNumber(const char* name, int32_t value) {
  Entry& e = Slot(name);
  e.isText = false;
  e.number = value;
  e.text.clear();
}

void PropertyList::WriteText(const char* name, const std::wstring& value) {
  Entry& e = Slot(name);
  e.isText = true;
  e.number = 0;
  e.text = value.size() > kMaxTextUnits ? value.substr(0, kMaxTextUnits) : value;
}

std::vector<uint8_t> PropertyList::Serialize() const {
  std::vector<uint8_t> out(kMagic, kMagic + 4);
  PutU32(out, 0);  // payload size, filled in below
  for (const Entry& e : entries_) {
    size_t nameLength = e.name.size() < kMaxNameLength ? e.name.size() : kMaxNameLength;
    out.push_back(static_cast<uint8_t>(nameLength));
    out.insert(out.end(), e.name.begin(), e.name.begin() + static_cast<std::ptrdiff_t>(nameLength));
    if (e.isText) {
      out.push_back(kText);
      PutU32(out, static_cast<uint32_t>(e.text.size()));
      for (wchar_t c : e.text) {
        out.push_back(static_cast<uint8_t>(c & 0xFF));
        out.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
      }
    } else {
      out.push_back(kNumber);
      PutU32(out, static_cast<uint32_t>(e.number));
    }
  }
  uint32_t payload = static_cast<uint32_t>(out.size() - kHeaderSize);
  for (int i = 0; i < 4; ++i) out[4 + size_t(i)] = static_cast<uint8_t>(payload >> (8 * i));
  return out;
}

ParseError PropertyList::ReadHeader(const uint8_t* header, size_t size, uint32_t* payloadSize) {
  *payloadSize = 0;
  if (size < kHeaderSize) return ParseError::Truncated;
  if (std::memcmp(header, kMagic, 4) != 0) return ParseError::BadMagic;
  uint32_t payload = GetU32(header + 4);
  if (payload > kMaxPayload) return ParseError::TooLarge;
  *payloadSize = payload;
  return ParseError::None;
}

ParseError PropertyList::ParsePayload(const uint8_t* data, size_t size, PropertyList* out) {
  out->entries_.clear();
  if (size > kMaxPayload) return ParseError::TooLarge;
  PropertyList list;
  Reader r(data, size);
  ParseError error = ParseError::None;
  while (!r.Done() && error == ParseError::None) {
    uint8_t nameLength = 0, kind = 0;
    const uint8_t* name = nullptr;
    if (!r.U8(&nameLength) || !r.Bytes(nameLength, &name) || !r.U8(&kind)) {
      error = ParseError::Truncated;
      break;
    }
    if (!ValidName(name, nameLength)) {
      error = ParseError::BadName;
      break;
    }
    std::string key(reinterpret_cast<const char*>(name), nameLength);
    if (list.Find(key.c_str())) {
      error = ParseError::Duplicate;
      break;
    }
    Entry e{key, false, 0, {}};
    if (kind == kNumber) {
      uint32_t v = 0;
      if (!r.U32(&v)) error = ParseError::Truncated;
      e.number = static_cast<int32_t>(v);
    } else if (kind == kText) {
      uint32_t units = 0;
      const uint8_t* text = nullptr;
      if (!r.U32(&units)) {
        error = ParseError::Truncated;
      } else if (units > kMaxTextUnits) {
        error = ParseError::TextTooLong;
      } else if (!r.Bytes(size_t(units) * 2, &text)) {
        error = ParseError::Truncated;
      } else {
        e.isText = true;
        e.text.resize(units);
        for (uint32_t i = 0; i < units; ++i)
          e.text[i] = static_cast<wchar_t>(text[2 * i] | (text[2 * i + 1] << 8));
      }
    } else {
      error = ParseError::BadKind;
    }
    if (error == ParseError::None) list.entries_.push_back(std::move(e));
  }
  if (error == ParseError::None) out->entries_.swap(list.entries_);
  return error;
}

}  // namespace kv::persist
