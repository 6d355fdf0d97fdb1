// UTF-8 <-> code page 1252 conversion of catalogue texts.
#include "tools/kvcat/cp1252.h"

#include <gtest/gtest.h>

namespace kvcat {
namespace {

TEST(Cp1252, GermanTextsAndTheEuroSignRoundTrip) {
  const std::string utf8 = "Größe ändern – Menü für 5 € „so“";
  const Cp1252Result converted = Utf8ToCp1252(utf8);
  ASSERT_TRUE(converted.ok);
  EXPECT_EQ(converted.text, "Gr\xF6\xDF" "e \xE4ndern \x96 Men\xFC f\xFCr 5 \x80 \x84so\x93");
  EXPECT_EQ(Cp1252ToUtf8(converted.text), utf8);
}

TEST(Cp1252, CharactersOutsideTheCodePageAreRefusedAndNamed) {
  const Cp1252Result converted = Utf8ToCp1252("Start \xE2\x86\x92 Ende");  // U+2192 arrow
  EXPECT_FALSE(converted.ok);
  EXPECT_FALSE(converted.badUtf8);
  EXPECT_EQ(converted.badChar, 0x2192u);
  EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x98\x80").ok);  // outside the BMP
}

TEST(Cp1252, InvalidUtf8IsRefused) {
  for (const char* bad : {"\xC3", "\xC3\x28", "\xE2\x82", "\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
    const Cp1252Result converted = Utf8ToCp1252(bad);
    EXPECT_FALSE(converted.ok) << bad;
    EXPECT_TRUE(converted.badUtf8) << bad;
  }
}

TEST(Cp1252, EveryByteSurvivesTheWayBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const Cp1252Result back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.text, all);
}

}  // namespace
}  // namespace kvcat
