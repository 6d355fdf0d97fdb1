// Field texts of the property pages: what a user may type into a number or colour field, and
// what is refused (the page then keeps the control's value and says so).
#include <gtest/gtest.h>

#include "activex/property_page/field_text.h"

namespace kv::pages {

TEST(FieldText, NumbersWithinTheFieldRangeOnly) {
  EXPECT_EQ(ParseNumber(" 250 ", -32768, 32767), 250);
  EXPECT_EQ(ParseNumber("-32768", -32768, 32767), -32768);
  EXPECT_EQ(ParseNumber("+7", 0, 10), 7);
  EXPECT_EQ(ParseNumber("32768", -32768, 32767), std::nullopt);  // beyond a 16-bit property
  EXPECT_EQ(ParseNumber("-1", 0, 10), std::nullopt);
  EXPECT_EQ(ParseNumber("", 0, 10), std::nullopt);
  EXPECT_EQ(ParseNumber("-", 0, 10), std::nullopt);
  EXPECT_EQ(ParseNumber("1 2", 0, 100), std::nullopt);
  EXPECT_EQ(ParseNumber("12a", 0, 100), std::nullopt);
  EXPECT_EQ(ParseNumber("99999999999999999999", -32768, 32767), std::nullopt);  // no overflow
}

TEST(FieldText, ColoursRoundTripIncludingSystemColours) {
  EXPECT_EQ(FormatColour(0xC0C0C0), "&H00C0C0C0&");
  EXPECT_EQ(ParseColour("&H00C0C0C0&"), 0xC0C0C0);
  EXPECT_EQ(ParseColour("&hff"), 0xFF);
  EXPECT_EQ(ParseColour("0x800000"), 0x800000);
  EXPECT_EQ(ParseColour("255"), 255);
  int32_t buttonText = static_cast<int32_t>(0x80000012u);
  EXPECT_EQ(FormatColour(buttonText), "&H80000012&");
  EXPECT_EQ(ParseColour(FormatColour(buttonText)), buttonText);
  EXPECT_EQ(ParseColour("&H100000000&"), std::nullopt);  // more than 32 bits
  EXPECT_EQ(ParseColour("&H&"), std::nullopt);
  EXPECT_EQ(ParseColour("&HGG&"), std::nullopt);
  EXPECT_EQ(ParseColour("red"), std::nullopt);
  EXPECT_EQ(ParseColour("-1"), std::nullopt);
}

}  // namespace kv::pages
