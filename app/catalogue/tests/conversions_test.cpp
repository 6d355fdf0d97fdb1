// Number of a text and hex text conversions: the rules database texts and binary values depend on.
#include <gtest/gtest.h>

#include "app/catalogue/hex_text.h"
#include "app/catalogue/number_text.h"

namespace kv {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(NumberOfText, ReadsTheLeadingNumberLeniently) {
  EXPECT_EQ(NumberOfText(""), 0);
  EXPECT_EQ(NumberOfText("abc"), 0);
  EXPECT_EQ(NumberOfText("   42"), 42);
  EXPECT_EQ(NumberOfText("\t-17xyz"), -17);
  EXPECT_EQ(NumberOfText("+8"), 8);
  EXPECT_EQ(NumberOfText("12 34"), 12);  // blanks only lead
  EXPECT_EQ(NumberOfText("- 5"), 0);
  EXPECT_EQ(NumberOfText("5."), 5);
  EXPECT_EQ(NumberOfText("3/2"), 3);
  EXPECT_EQ(NumberOfText("999999"), 999999);
}

TEST(NumberOfText, RoundsHalvesToEven) {
  EXPECT_EQ(NumberOfText("2.5"), 2);
  EXPECT_EQ(NumberOfText("3.5"), 4);
  EXPECT_EQ(NumberOfText("2.50001"), 3);
  EXPECT_EQ(NumberOfText("2.49999"), 2);
  EXPECT_EQ(NumberOfText("-2.5"), -2);
  EXPECT_EQ(NumberOfText("-3.5"), -4);
  EXPECT_EQ(NumberOfText(".5"), 0);
  EXPECT_EQ(NumberOfText(".51"), 1);
  EXPECT_EQ(NumberOfText("0.6"), 1);
}

TEST(NumberOfText, HexadecimalAfterAmpersandH) {
  EXPECT_EQ(NumberOfText("&H10"), 16);
  EXPECT_EQ(NumberOfText("  &hff"), 255);
  EXPECT_EQ(NumberOfText("&HFFFFFFFF"), -1);
  EXPECT_EQ(NumberOfText("&H80000000"), INT32_MIN);
  EXPECT_EQ(NumberOfText("&H"), 0);
  EXPECT_EQ(NumberOfText("&H1G"), 1);
  EXPECT_EQ(NumberOfText("-&H10"), 0);
  EXPECT_EQ(NumberOfText("&H123456789"), -1);  // wider than 32 bits: all bits set
  EXPECT_EQ(NumberOfText16("&HFFFF"), -1);
  EXPECT_EQ(NumberOfText16("&H7FFF"), 32767);
  EXPECT_EQ(NumberOfText16("&H10000"), 32767);
}

TEST(NumberOfText, OutOfRangeNumbersClamp) {
  EXPECT_EQ(NumberOfText("2147483647"), INT32_MAX);
  EXPECT_EQ(NumberOfText("2147483648"), INT32_MAX);
  EXPECT_EQ(NumberOfText("-2147483648"), INT32_MIN);
  EXPECT_EQ(NumberOfText("-99999999999999999999999999"), INT32_MIN);
  EXPECT_EQ(NumberOfText16("32767.4"), 32767);
  EXPECT_EQ(NumberOfText16("40000"), 32767);
  EXPECT_EQ(NumberOfText16("-40000"), -32768);
  EXPECT_EQ(NumberOfText16("12/2"), 12);
}

TEST(HexText, BytesToTextAndBack) {
  EXPECT_EQ(BytesToHexText({0x0A, 0x1F, 0x00}), "0A1F00");
  EXPECT_EQ(BytesToHexText({}), "");
  Bytes bytes;
  ASSERT_TRUE(HexTextToBytes("0A1F00", &bytes));
  EXPECT_EQ(bytes, (Bytes{0x0A, 0x1F, 0x00}));
  ASSERT_TRUE(HexTextToBytes("ABC", &bytes));
  EXPECT_EQ(bytes, (Bytes{0xAB, 0x0C}));
  ASSERT_TRUE(HexTextToBytes("f", &bytes));
  EXPECT_EQ(bytes, (Bytes{0x0F}));
  ASSERT_TRUE(HexTextToBytes("", &bytes));
  EXPECT_TRUE(bytes.empty());
}

TEST(HexText, NonHexCharactersAreRefused) {
  Bytes bytes{1, 2, 3};
  EXPECT_FALSE(HexTextToBytes("0G", &bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(HexTextToBytes("NoKey", &bytes));
  EXPECT_FALSE(HexTextToBytes(" 01", &bytes));
  EXPECT_FALSE(HexTextToBytes(std::string("01\0", 3), &bytes));
  EXPECT_FALSE(HexTextToBytes("0x01", &bytes));
}

TEST(HexToNumber, LittleEndianPairsUnsigned) {
  EXPECT_EQ(HexToNumber(""), 0u);
  EXPECT_EQ(HexToNumber("NoKey"), 0u);
  EXPECT_EQ(HexToNumber("2000"), 0x20u);
  EXPECT_EQ(HexToNumber("0020"), 0x2000u);
  EXPECT_EQ(HexToNumber("0080"), 0x8000u);  // 32768, not negative
  EXPECT_EQ(HexToNumber("FFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(HexToNumber("010203"), 0x030201u);
  EXPECT_EQ(HexToNumber("0102030"), 0x00030201u);  // odd last digit d reads as "d0"
  EXPECT_EQ(HexToNumber("01020305"), 0x05030201u);
  EXPECT_EQ(HexToNumber("0102030405"), 0x04030201u);  // beyond four bytes: low 32 bits kept
  EXPECT_EQ(HexToNumber("a"), 0xA0u);
}

TEST(NumberToHex, PairsLeastSignificantFirst) {
  EXPECT_EQ(NumberToHex(0x0208, 4), "0802");
  EXPECT_EQ(NumberToHex(0x0208, 8), "08020000");
  EXPECT_EQ(NumberToHex(0x09, 2), "09");
  EXPECT_EQ(NumberToHex(0, 2), "00");
  EXPECT_EQ(NumberToHex(0x8000, 4), "0080");
  EXPECT_EQ(NumberToHex(0xFFFFFFFFu, 8), "FFFFFFFF");
  EXPECT_EQ(HexToNumber(NumberToHex(0x8000, 4)), 0x8000u);
}

TEST(NumberToHex, NeverDropsDigitsAndKeepsWholeBytes) {
  EXPECT_EQ(NumberToHex(0x201, 2), "0102");  // wider than the width: grows, bit 9 kept
  EXPECT_EQ(NumberToHex(0x5, 3), "0500");    // odd width: whole bytes
  EXPECT_EQ(NumberToHex(0x5, 0), "05");
  EXPECT_EQ(NumberToHex(0x5, -4), "05");
  EXPECT_EQ(NumberToHex(0x12345678, 8), "78563412");
}

}  // namespace
}  // namespace kv
