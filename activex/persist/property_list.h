// The persistent properties of a control as named numbers and texts, and their stream form.
// Portable (no windows.h): the OLE layer saves a control into a PropertyList and writes its bytes
// to the container's stream (IPersistStreamInit), or adapts the container's property bag to the
// same Bag interface (IPersistPropertyBag). Controls see only Bag.
//
// Stream form (little-endian): "KVP1", u32 payload size, then per property:
//   u8 name length (1..64), name bytes (printable ASCII), u8 kind (1 number, 2 text),
//   number: i32; text: u32 count of UTF-16 units (at most kMaxTextUnits), the units.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kv::persist {

// Where a control reads and writes its persistent properties by name.
class Bag {
 public:
  virtual ~Bag() = default;
  // False when the bag has no such property or holds it in a form that does not convert.
  virtual bool ReadNumber(const char* name, int32_t* out) const = 0;
  virtual bool ReadText(const char* name, std::wstring* out) const = 0;
  virtual void WriteNumber(const char* name, int32_t value) = 0;
  virtual void WriteText(const char* name, const std::wstring& value) = 0;
};

// Binary data as a text property: two upper-case hexadecimal digits per byte, so that it goes
// through a container's property bag as plain text as well. Data longer than half a text's limit is
// not written (false).
bool WriteBytes(Bag& bag, const char* name, const std::vector<uint8_t>& bytes);
// False, and `out` empty, when the bag has no such text or it is not whole hexadecimal pairs.
bool ReadBytes(const Bag& bag, const char* name, std::vector<uint8_t>* out);

constexpr size_t kMaxNameLength = 64;
constexpr uint32_t kMaxTextUnits = 1u << 20;    // one text: 1 Mi UTF-16 units
constexpr uint32_t kMaxPayload = 8u << 20;      // a whole property set: 8 MiB
constexpr size_t kHeaderSize = 8;               // magic + payload size

enum class ParseError { None, BadMagic, TooLarge, Truncated, BadName, BadKind, TextTooLong, Duplicate };

class PropertyList final : public Bag {
 public:
  struct Entry {
    std::string name;
    bool isText = false;
    int32_t number = 0;
    std::wstring text;
  };

  bool ReadNumber(const char* name, int32_t* out) const override;
  bool ReadText(const char* name, std::wstring* out) const override;
  // A later write of the same name replaces the earlier value (and its kind).
  void WriteNumber(const char* name, int32_t value) override;
  void WriteText(const char* name, const std::wstring& value) override;

  const std::vector<Entry>& Entries() const { return entries_; }

  // Header and payload, ready to be written to a stream.
  std::vector<uint8_t> Serialize() const;
  // Reads the payload size from an 8-byte header; BadMagic or TooLarge when it is not acceptable.
  static ParseError ReadHeader(const uint8_t* header, size_t size, uint32_t* payloadSize);
  // Parses a payload (without header). On any error `out` is left empty.
  static ParseError ParsePayload(const uint8_t* data, size_t size, PropertyList* out);

 private:
  Entry* Find(const char* name);
  const Entry* Find(const char* name) const;
  Entry& Slot(const char* name);
  std::vector<Entry> entries_;
};

}  // namespace kv::persist
