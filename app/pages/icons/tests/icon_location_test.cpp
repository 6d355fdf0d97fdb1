// Icon location texts: parsing (comma rules, blanks, odd and over-long texts), the default location,
// the %SystemRoot% expansion and the list cargo.
#include <gtest/gtest.h>

#include <climits>

#include "app/pages/icons/core/icon_location.h"

namespace kv {
namespace {

void ExpectParsed(const std::string& text, const std::string& file, int index) {
  const IconLocation where = ParseIconLocation(text);
  EXPECT_EQ(where.File, file) << "text: " << text;
  EXPECT_EQ(where.Index, index) << "text: " << text;
}

TEST(IconLocationTest, SplitsAtTheFirstCommaAfterTheFirstCharacter) {
  ExpectParsed("C:\\WINNT\\SYSTEM32\\SHELL32.DLL,15", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL", 15);
  ExpectParsed("C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,3", "C:\\WINNT\\SYSTEM32\\SHELL32.DLL", 3);
  ExpectParsed("  moricons.dll  , 7", "moricons.dll", 7);
  ExpectParsed("a.dll,1,2", "a.dll", 1);
  ExpectParsed("a.dll,-153", "a.dll", -153);  // a resource id, kept for the extraction
  ExpectParsed("C:\\Program Files\\x.exe", "C:\\Program Files\\x.exe", 0);
  // A comma in first place is no separator: the whole text is the file.
  ExpectParsed(",5", ",5", 0);
}

TEST(IconLocationTest, OddIndexesReadAsTheirLeadingNumber) {
  ExpectParsed("SHELL32.DLL ,", "SHELL32.DLL", 0);  // absent value whose value name is empty
  ExpectParsed("SHELL32.DLL ,empty", "SHELL32.DLL", 0);
  ExpectParsed("a.dll,12abc", "a.dll", 12);
  ExpectParsed("a.dll,99999999999999", "a.dll", INT_MAX);
  ExpectParsed("", "", 0);
  ExpectParsed("   ", "", 0);
  ExpectParsed(" ,4", "", 4);
}

TEST(IconLocationTest, OverLongFileIsRefused) {
  const std::string longest(kMaxIconFileChars, 'a');
  ExpectParsed(longest + ",2", longest, 2);
  ExpectParsed(longest + "a,2", "", 2);
  ExpectParsed(std::string(70000, 'x'), "", 0);
}

TEST(IconLocationTest, DefaultLocationAndSystemRoot) {
  EXPECT_EQ(DefaultIconLocation("C:\\WINNT\\system32\\", "17"), "C:\\WINNT\\system32\\SHELL32.DLL ,17");
  EXPECT_EQ(DefaultIconLocation("C:\\WINNT\\system32\\", ""), "C:\\WINNT\\system32\\SHELL32.DLL ,");
  EXPECT_EQ(ExpandSystemRoot("%SystemRoot%\\system32\\shell32.dll,15", "C:\\WINNT\\"),
            "C:\\WINNT\\system32\\shell32.dll,15");
  EXPECT_EQ(ExpandSystemRoot("%SYSTEMROOT%\\a;%systemroot%\\b", "D:\\W\\"), "D:\\W\\a;D:\\W\\b");
  EXPECT_EQ(ExpandSystemRoot("%SystemRoot%", "C:\\WINNT\\"), "%SystemRoot%");  // no backslash: untouched
  // A Windows folder that itself holds the variable is not expanded again.
  EXPECT_EQ(ExpandSystemRoot("%SystemRoot%\\x", "%SystemRoot%\\"), "%SystemRoot%\\x");
}

TEST(IconLocationTest, CargoBothWays) {
  EXPECT_EQ(IconCargo(123, "C:\\W\\SHELL32.DLL ,3"), "123|C:\\W\\SHELL32.DLL ,3");
  IconCargoParts parts = SplitIconCargo("123|C:\\W\\SHELL32.DLL ,3");
  EXPECT_EQ(parts.Function, 123);
  EXPECT_EQ(parts.Location, "C:\\W\\SHELL32.DLL ,3");
  parts = SplitIconCargo("0|");
  EXPECT_EQ(parts.Function, 0);
  EXPECT_EQ(parts.Location, "");
  parts = SplitIconCargo("7|a|b");
  EXPECT_EQ(parts.Function, 7);
  EXPECT_EQ(parts.Location, "a|b");
  for (const char* odd : {"", "123", "|x", "-1|x", "12a|x", " 1|x", "1234567890|x"})
    EXPECT_EQ(SplitIconCargo(odd).Function, -1) << "cargo: " << odd;
}

TEST(IconLocationTest, SameLocationIgnoresLetterCaseOnly) {
  EXPECT_TRUE(SameIconLocation({"C:\\W\\Shell32.dll", 3}, {"C:\\W\\SHELL32.DLL", 3}));
  EXPECT_FALSE(SameIconLocation({"C:\\W\\SHELL32.DLL", 3}, {"C:\\W\\SHELL32.DLL", 4}));
  EXPECT_FALSE(SameIconLocation({"C:\\W\\SHELL32.DLL", 3}, {"C:\\X\\SHELL32.DLL", 3}));
}

}  // namespace
}  // namespace kv
