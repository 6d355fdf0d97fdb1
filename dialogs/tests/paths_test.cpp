// Native tests of the common-dialog path rules: file dialog start, icon locations, folder pattern.
#include <gtest/gtest.h>

#include "dialogs/core/path_rules.h"

namespace kvdlg {
namespace {

TEST(FileDialogStart, UpperCaseNameIsShownRecased) {
  FileDialogStart s = FileDialogStartFor("C:\\WINDOWS\\SETUP.BMP");
  EXPECT_EQ(s.folder, "C:\\WINDOWS\\");
  EXPECT_EQ(s.name, "Setup.bmp");
  s = FileDialogStartFor("C:\\Windows\\Mixed.Bmp");
  EXPECT_EQ(s.name, "Mixed.Bmp");
  s = FileDialogStartFor("C:\\SETUP.BMP");
  EXPECT_EQ(s.folder, "C:\\");
  s = FileDialogStartFor("");
  EXPECT_EQ(s.folder, "C:\\");
  EXPECT_EQ(s.name, "");
  s = FileDialogStartFor("NOFOLDER.TXT");
  EXPECT_EQ(s.folder, "");
  EXPECT_EQ(s.name, "Nofolder.txt");
  s = FileDialogStartFor(std::string("C:\\A\\B.TXT\0junk", 15));
  EXPECT_EQ(s.name, "B.txt");
  EXPECT_EQ(DisplayFileName("123.456"), "123.456");
  EXPECT_EQ(DisplayFileName("A"), "A");
  EXPECT_EQ(DisplayFileName(""), "");
}

TEST(FileDialogStart, NameBufferAndDefaultFilter) {
  std::string b = FileNameBuffer("Setup.bmp");
  ASSERT_EQ(b.size(), 128u);
  EXPECT_EQ(CutAtNul(b), "Setup.bmp");
  EXPECT_EQ(b[127], '\0');
  std::string longName(200, 'n');
  EXPECT_EQ(FileNameBuffer(longName).size(), 201u);
  EXPECT_EQ(DefaultFileFilter("All Files (*.*)"), std::string("All Files (*.*)\0*.*\0", 20));
}

TEST(IconLocation, ParsesFileCommaIndex) {
  IconLocation l = ParseIconLocation("C:\\WINNT\\SYSTEM32\\SHELL32.DLL ,3", 9);
  EXPECT_EQ(l.file, "C:\\WINNT\\SYSTEM32\\SHELL32.DLL");
  EXPECT_EQ(l.index, 3);
  l = ParseIconLocation("C:\\x.ico", 9);
  EXPECT_EQ(l.file, "C:\\x.ico");
  EXPECT_EQ(l.index, 9);
  l = ParseIconLocation(",5", 2);  // a comma first is not a separator
  EXPECT_EQ(l.file, ",5");
  EXPECT_EQ(l.index, 2);
  l = ParseIconLocation("a.dll,junk", 2);
  EXPECT_EQ(l.index, 0);
  l = ParseIconLocation("a.dll,-12", 2);
  EXPECT_EQ(l.index, -12);
  l = ParseIconLocation("a.dll,99999999999999", 0);
  EXPECT_EQ(l.index, 2147483647);
}

TEST(IconLocation, ResultTextAndSystemRoot) {
  EXPECT_EQ(IconLocationText("C:\\A.DLL", 3), "C:\\A.DLL ,3");
  EXPECT_EQ(IconLocationText("C:\\A.DLL", 0), "C:\\A.DLL");
  EXPECT_EQ(IconLocationText("C:\\A.DLL", -2), "C:\\A.DLL");
  EXPECT_EQ(ExpandSystemRoot("%SystemRoot%\\system32\\shell32.dll", "C:\\WINNT\\"),
            "C:\\WINNT\\system32\\shell32.dll");
  EXPECT_EQ(ExpandSystemRoot("%systemroot%\\x", "C:\\W\\"), "%systemroot%\\x");
  EXPECT_EQ(ExpandSystemRoot("\"%SystemRoot%\\x\"", "C:\\W\\"), "\"C:\\W\\x\"");
  EXPECT_EQ(UpperCase("c:\\Win\\ä"), "C:\\WIN\\ä");
}

TEST(FolderSpec, PrefixPatternEnablesOk) {
  EXPECT_TRUE(FolderMatchesSpec("C:\\Windows", "C:\\"));
  EXPECT_TRUE(FolderMatchesSpec("c:\\", "C:\\"));
  EXPECT_FALSE(FolderMatchesSpec("D:\\Data", "C:\\"));
  EXPECT_TRUE(FolderMatchesSpec("D:\\Data", ""));
  EXPECT_TRUE(FolderMatchesSpec("C:\\Users\\kv\\Desktop", "C:\\Users\\*\\Desk"));
  EXPECT_TRUE(WildcardMatch("abc", "a?c"));
  EXPECT_FALSE(WildcardMatch("ac", "a?c"));
  EXPECT_TRUE(WildcardMatch("", "*"));
  EXPECT_FALSE(WildcardMatch("", "?"));
  EXPECT_TRUE(WildcardMatch("aXbXc", "*x*X*"));
  EXPECT_EQ(WithTrailingBackslash("C:\\users\\kv"), "C:\\users\\kv\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash(""), "");
}

}  // namespace
}  // namespace kvdlg
