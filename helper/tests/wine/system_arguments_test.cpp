// The helper's command-line fields under a Cyrillic (cp1251) and a Japanese (cp932) system: a profile
// path keeps its letters, only upper-cased as that system upper-cases them. The test runs once per
// code page (LC_ALL given by CMake); the expectation is chosen by the code page the process got.
#include <windows.h>

#include <gtest/gtest.h>

#include "helper/win32/system_arguments.h"

namespace kv::helper {
namespace {

TEST(SystemArguments, FileNamesKeepTheirLettersInTheSystemsCodePage) {
  const std::string program = "\"C:\\windows\\system32\\KORVNST.EXE\" ";
  if (GetACP() == 1251) {
    // "ч", "ь", "я" and "ё" are lower-case letters of cp1251: upper-cased they are "Ч", "Ь", "Я", "Ё"
    // (a code-page 1252 table leaves 0xF7 alone and makes 0xFF a 0x9F, "џ" here).
    const ArgumentTable t = HelperArgumentsOf(program + "/undoscan#c:\\\xF7\xFC\xFF \xB8.prf#progress#12");
    EXPECT_EQ(t[0], "/UNDOSCAN");
    EXPECT_EQ(t[1], "C:\\\xD7\xDC\xDF \xA8.PRF");
    EXPECT_EQ(t[2], "PROGRESS");
  } else if (GetACP() == 932) {
    // "データソフト" and a half-width "ｱ": the second bytes 0x66, 0x74 and 0x67 are no ASCII letters
    // inside a double-byte character (a byte table would make them "F", "T", "G").
    const std::string name = "\x83\x66\x81\x5B\x83\x5E\x83\x5C\x83\x74\x83\x67\xB1";
    const ArgumentTable t = HelperArgumentsOf(program + "/undoscan#c:\\" + name + ".prf#progress#1");
    EXPECT_EQ(t[1], "C:\\" + name + ".PRF");
  } else {
    GTEST_SKIP() << "code page " << GetACP() << ": the test is meant for 1251 and 932";
  }
}

}  // namespace
}  // namespace kv::helper
