// The stream form of a control's properties: what one control saves loads back unchanged, and every
// damaged or cut-off stream is refused as a whole (the control then keeps its defaults).
#include "activex/persist/property_list.h"

#include <gtest/gtest.h>

namespace kv::persist {
namespace {

PropertyList Sample() {
  PropertyList list;
  list.WriteNumber("BackColor", 0x00FFEEDD);
  list.WriteNumber("Selected", -1);
  list.WriteText("TitleText", L"Laufwerke \x00E4\x00F6\x00FC");
  list.WriteText("BreakChar", L"");
  list.WriteText("HeaderData", std::wstring(L"Name\0" L"120", 8));  // embedded zero kept
  list.WriteNumber("BackColor", 0x123456);                          // replaces, keeps the order
  return list;
}

ParseError Load(const std::vector<uint8_t>& bytes, PropertyList* out) {
  uint32_t payload = 0;
  ParseError e = PropertyList::ReadHeader(bytes.data(), bytes.size(), &payload);
  if (e != ParseError::None) return e;
  if (bytes.size() - kHeaderSize < payload) return ParseError::Truncated;
  return PropertyList::ParsePayload(bytes.data() + kHeaderSize, payload, out);
}

TEST(PropertyListTest, SavedSetLoadsBackWithEqualValues) {
  PropertyList saved = Sample();
  PropertyList loaded;
  ASSERT_EQ(Load(saved.Serialize(), &loaded), ParseError::None);
  ASSERT_EQ(loaded.Entries().size(), 5u);
  int32_t n = 0;
  std::wstring t;
  EXPECT_TRUE(loaded.ReadNumber("BackColor", &n));
  EXPECT_EQ(n, 0x123456);
  EXPECT_TRUE(loaded.ReadNumber("Selected", &n));
  EXPECT_EQ(n, -1);
  EXPECT_TRUE(loaded.ReadText("TitleText", &t));
  EXPECT_EQ(t, L"Laufwerke \x00E4\x00F6\x00FC");
  EXPECT_TRUE(loaded.ReadText("HeaderData", &t));
  EXPECT_EQ(t.size(), 8u);
  EXPECT_FALSE(loaded.ReadNumber("TitleText", &n)) << "a text is not read as a number";
  EXPECT_FALSE(loaded.ReadText("Missing", &t));
  EXPECT_EQ(loaded.Serialize(), saved.Serialize());
}

TEST(PropertyListTest, DamagedOrTruncatedStreamsAreRefusedWhole) {
  const std::vector<uint8_t> good = Sample().Serialize();
  // Every cut: the header then promises more than there is.
  for (size_t cut = 0; cut < good.size(); ++cut) {
    std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    PropertyList out;
    EXPECT_NE(Load(bytes, &out), ParseError::None) << "cut at " << cut;
    EXPECT_TRUE(out.Entries().empty()) << "cut at " << cut;
  }
  // Every single flipped byte either still parses or is refused; never anything else.
  for (size_t i = 0; i < good.size(); ++i) {
    std::vector<uint8_t> bytes = good;
    bytes[i] ^= 0xFF;
    PropertyList out;
    ParseError e = Load(bytes, &out);
    if (e != ParseError::None) {
      EXPECT_TRUE(out.Entries().empty());
    }
  }
  std::vector<uint8_t> bytes = good;
  bytes[0] = 'X';
  PropertyList out;
  EXPECT_EQ(Load(bytes, &out), ParseError::BadMagic);
  bytes = good;
  bytes[7] = 0x7F;  // payload size of about 2 GiB
  EXPECT_EQ(Load(bytes, &out), ParseError::TooLarge);
  // A text claiming more units than any text may have, and a property named twice.
  const uint8_t longText[] = {1, 'T', 2, 0xFF, 0xFF, 0xFF, 0x7F};
  EXPECT_EQ(PropertyList::ParsePayload(longText, sizeof longText, &out), ParseError::TextTooLong);
  const uint8_t twice[] = {1, 'A', 1, 1, 0, 0, 0, 1, 'A', 1, 2, 0, 0, 0};
  EXPECT_EQ(PropertyList::ParsePayload(twice, sizeof twice, &out), ParseError::Duplicate);
  const uint8_t badKind[] = {1, 'A', 9, 1, 0, 0, 0};
  EXPECT_EQ(PropertyList::ParsePayload(badKind, sizeof badKind, &out), ParseError::BadKind);
  const uint8_t badName[] = {2, 'A', ' ', 1, 1, 0, 0, 0};
  EXPECT_EQ(PropertyList::ParsePayload(badName, sizeof badName, &out), ParseError::BadName);
}

}  // namespace
}  // namespace kv::persist
