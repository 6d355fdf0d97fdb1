// Start-up values: language offset, function count, folders, boot directory and program folder.
#include <gtest/gtest.h>

#include "helper/core/helper_setup.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

TEST(HelperSetup, LanguageOffsetIsTheValueTimesAThousand) {
  test::HelperRegistry r;
  EXPECT_EQ(LanguageOffset(r.registry), 0);
  r.registry.RegWriteDword(kProductKey, "Language", 1);
  EXPECT_EQ(LanguageOffset(r.registry), 1000);
  r.registry.RegWriteDword(kProductKey, "Language", 99);
  EXPECT_EQ(LanguageOffset(r.registry), 0) << "does not fit 16 bits";
}

TEST(HelperSetup, FunctionCountDefaultsTo299AndADamagedOneCountsAs299) {
  test::HelperRegistry r;
  EXPECT_EQ(FunctionCount(r.registry), 299);
  r.registry.RegWriteDword(kProductKey, "FktAnzahl", 5);
  EXPECT_EQ(FunctionCount(r.registry), 5);
  r.registry.RegWriteDword(kProductKey, "FktAnzahl", 0x10005);
  EXPECT_EQ(FunctionCount(r.registry), 299) << "no 16-bit wrap-around";
}

TEST(HelperSetup, FoldersEndInABackslashAndMissingAppPathGivesNoKeyFolder) {
  test::HelperRegistry r;
  const HelperFolders f =
      ResolveHelperFolders(r.registry, {"C:\\WINNT\\system32", "C:\\WINNT", "C:\\TEMP\\", "C:\\WINNT\\system32"});
  EXPECT_EQ(f.System, "C:\\WINNT\\system32\\");
  EXPECT_EQ(f.Windows, "C:\\WINNT\\");
  EXPECT_EQ(f.Temp, "C:\\TEMP\\");
  EXPECT_EQ(f.Boot, "C:\\");
  EXPECT_EQ(f.AppFolder, "NoKey\\");
  EXPECT_EQ(f.DatabasePath(), "NoKey\\Korvn2k.fkt");
  EXPECT_EQ(f.UndoFilePath(), "C:\\WINNT\\system32\\KORVN2K.UND");
}

TEST(HelperSetup, BootDirectoryAndProgramFolderFromTheRegistry) {
  test::HelperRegistry r;
  r.registry.RegWriteString(kWindowsSetupKey, "BootDir", "D:");
  r.registry.RegWriteString(kProductKey, "AppPath", "C:\\Programme\\Korvane 2000");
  const HelperFolders f = ResolveHelperFolders(r.registry, {});
  EXPECT_EQ(f.Boot, "D:\\");
  EXPECT_EQ(f.DatabasePath(), "C:\\Programme\\Korvane 2000\\Korvn2k.fkt");
}

}  // namespace
}  // namespace kv::helper
