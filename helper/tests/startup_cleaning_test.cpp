// Startup cleaning: listing order and attribute rules, the cleaning steps, and the safety check
// against folder values that resolve to the system, Windows or boot directory.
#include <gtest/gtest.h>

#include "helper/core/startup_cleaning.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

using Paths = std::vector<std::string>;

TEST(FolderListing, BreadthFirstSkippingDottedAndAttributedDirectories) {
  test::FakeFolders fs;
  fs.AddDirectory("C:\\T");
  fs.AddDirectory("C:\\T\\A");
  fs.AddDirectory("C:\\T\\A\\B");
  fs.AddDirectory("C:\\T\\C");
  fs.AddDirectory("C:\\T\\C\\D");
  fs.AddDirectory("C:\\T\\.cache");
  fs.AddDirectory("C:\\T\\Hidden", kAttributeDirectory | kAttributeHidden);
  fs.AddDirectory("C:\\T\\Hidden\\Inner");
  fs.AddDirectory("C:\\T\\Archived", kAttributeDirectory | 0x20);
  fs.AddFile("C:\\T\\file.txt");
  EXPECT_EQ(ListDirectories(fs, "  C:\\T  ", true),
            (Paths{"C:\\T\\", "C:\\T\\A\\", "C:\\T\\C\\", "C:\\T\\A\\B\\", "C:\\T\\C\\D\\"}));
  EXPECT_EQ(ListDirectories(fs, "C:\\T\\", false), (Paths{"C:\\T\\", "C:\\T\\A\\", "C:\\T\\C\\"}));
  EXPECT_TRUE(ListDirectories(fs, "C:\\Missing", true).empty());
  EXPECT_GT(fs.pumps, 0);
}

TEST(FolderListing, FilesOfEveryListedDirectoryNamesCutAtNulAndTrimmed) {
  test::FakeFolders fs;
  fs.AddDirectory("C:\\R");
  fs.AddDirectory("C:\\R\\Sub");
  fs.AddDirectory("C:\\R\\Hidden", kAttributeDirectory | kAttributeHidden);
  fs.AddFile("C:\\R\\a.lnk", kAttributeReadOnly);
  fs.AddFile("C:\\R\\Sub\\b.lnk");
  fs.AddFile("C:\\R\\Hidden\\c.lnk");
  fs.listingPadding = std::string("\0   junk", 8);
  EXPECT_EQ(ListFiles(fs, "C:\\R", true, ""), (Paths{"C:\\R\\a.lnk", "C:\\R\\Sub\\b.lnk"}));
  EXPECT_EQ(ListFiles(fs, "C:\\R", false, "*.lnk"), Paths{"C:\\R\\a.lnk"});
  EXPECT_EQ(fs.log.back(), "list C:\\R\\*.lnk");
  EXPECT_TRUE(ListFiles(fs, "C:\\Nope", true, "").empty());
}

class Cleaning : public testing::Test {
 protected:
  void SetUp() override {
    folders_.Recent = "C:\\U\\Recent\\";
    folders_.Temp = "C:\\U\\Temp\\";
    folders_.StartMenu = "C:\\U\\Start Menu\\";
    folders_.Protected = {"C:\\WINNT\\system32\\", "C:\\WINNT\\", "C:\\"};
    folders_.Profile = "C:\\U\\";
    fs_.AddDirectory("C:\\U\\Recent");
    fs_.AddDirectory("C:\\U\\Temp");
    fs_.AddDirectory("C:\\U\\Start Menu");
  }
  void Choose(const char* name, std::int32_t value) { r_.registry.RegWriteDword(kChoicesKey, name, value); }
  void Run() { RunStartupCleaning(r_.registry, fs_, folders_, names_); }

  test::HelperRegistry r_;
  test::FakeFolders fs_;
  CleaningFolders folders_;
  StartMenuNames names_{"Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}", "Net.{x}", "Printer.{y}"};
};

TEST_F(Cleaning, RecentDocumentsIncludingReadOnlyFilesAreDeleted) {
  fs_.AddFile("C:\\U\\Recent\\a.lnk", kAttributeReadOnly);
  fs_.AddDirectory("C:\\U\\Recent\\Sub");
  fs_.AddFile("C:\\U\\Recent\\Sub\\b.lnk");
  Choose("ClearDocHistory", 1);
  Run();
  EXPECT_FALSE(fs_.Has("C:\\U\\Recent\\a.lnk"));
  EXPECT_FALSE(fs_.Has("C:\\U\\Recent\\Sub\\b.lnk"));
  EXPECT_TRUE(fs_.Has("C:\\U\\Recent\\Sub")) << "the document history keeps its folders";
}

TEST_F(Cleaning, TempFilesThenSubfoldersInListOrder) {
  fs_.AddDirectory("C:\\U\\Temp\\A");
  fs_.AddDirectory("C:\\U\\Temp\\A\\B");
  fs_.AddFile("C:\\U\\Temp\\A\\B\\x.tmp");
  fs_.AddDirectory("C:\\U\\Temp\\Hid", kAttributeDirectory | kAttributeHidden);
  fs_.AddFile("C:\\U\\Temp\\Hid\\kept.tmp");
  Choose("ClearTempFiles", 1);
  Run();
  Paths removals;
  for (const std::string& entry : fs_.log) {
    if (entry.rfind("rmdir C:\\U\\Temp", 0) == 0) removals.push_back(entry);
  }
  EXPECT_EQ(removals, (Paths{"rmdir C:\\U\\Temp\\A\\", "rmdir C:\\U\\Temp\\A\\B\\"}));
  EXPECT_TRUE(fs_.Has("C:\\U\\Temp\\A")) << "A was not empty at its turn";
  EXPECT_FALSE(fs_.Has("C:\\U\\Temp\\A\\B"));
  EXPECT_TRUE(fs_.Has("C:\\U\\Temp\\Hid\\kept.tmp")) << "hidden folders are not searched";
  EXPECT_TRUE(fs_.Has("C:\\U\\Temp"));
}

TEST_F(Cleaning, OnlyExactlyOneIsOn) {
  fs_.AddFile("C:\\U\\Recent\\a.lnk");
  fs_.AddDirectory("C:\\U\\Start Menu\\Printer.{y}");
  Choose("ClearDocHistory", 2);
  Choose("ClearTempFiles", -1);
  Choose("PrinterInUserMenu", -1);
  Run();
  EXPECT_TRUE(fs_.Has("C:\\U\\Recent\\a.lnk"));
  EXPECT_FALSE(fs_.Has("C:\\U\\Start Menu\\Printer.{y}")) << "an off choice removes the folder";
}

TEST_F(Cleaning, HistoryKeyTreesAreDeletedThroughShortRootNames) {
  const char* runMru = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
  const char* urls = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
  const char* find =
      "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\"
      "{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}\\FilesNamedMRU";
  for (const char* key : {runMru, urls, find}) r_.registry.RegWriteString(std::string(key) + "\\Deep", "a", "x");
  Choose("ClearRunHistory", 1);
  Choose("ClearFindHistory", 1);
  Run();
  constexpr std::uint32_t kHkcu = 0x80000001;
  EXPECT_FALSE(r_.store.KeyExists(kHkcu, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU"));
  EXPECT_TRUE(r_.store.KeyExists(kHkcu, "Software\\Microsoft\\Internet Explorer\\TypedURLs"));
  EXPECT_FALSE(r_.store.KeyExists(kHkcu, std::string(find).substr(18)));
  EXPECT_TRUE(r_.store.KeyExists(kHkcu, "Software\\Microsoft\\Internet Explorer\\Explorer Bars"));
}

TEST_F(Cleaning, StartMenuFoldersCreatedOrRemovedEmptyOnesOnly) {
  fs_.AddDirectory("C:\\U\\Start Menu\\Net.{x}");
  fs_.AddFile("C:\\U\\Start Menu\\Net.{x}\\user file");
  Choose("SysStInUserMenu", 1);
  Run();
  EXPECT_TRUE(fs_.Has("C:\\U\\Start Menu\\Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
  EXPECT_TRUE(fs_.Has("C:\\U\\Start Menu\\Net.{x}")) << "a non-empty folder stays";
  Run();  // creating again over an existing folder is harmless
  EXPECT_TRUE(fs_.Has("C:\\U\\Start Menu\\Control Panel.{21EC2020-3AEA-1069-A2DD-08002B30309D}"));
}

TEST_F(Cleaning, WithoutAStartMenuFolderNothingIsCreated) {
  folders_.StartMenu.clear();
  Choose("SysStInUserMenu", 1);
  Run();
  for (const std::string& entry : fs_.log) EXPECT_EQ(entry.find("mkdir"), std::string::npos) << entry;
}

TEST_F(Cleaning, ProtectedFoldersAreNeverEmptied) {
  fs_.AddDirectory("C:\\WINNT");
  fs_.AddFile("C:\\WINNT\\win.ini");
  fs_.AddFile("C:\\boot.ini");
  Choose("ClearDocHistory", 1);
  Choose("ClearTempFiles", 1);
  for (const char* recent : {"C:\\WINNT\\", " c:\\winnt ", "C:\\WINNT\\.", "C:/winnt/", "C:\\WINNT\\\\"}) {
    for (const char* temp : {"C:\\", "c:", "C:\\Temp\\..", "C:\\..\\", ""}) {
      folders_.Recent = recent;
      folders_.Temp = temp;
      fs_.log.clear();
      Run();
      for (const std::string& entry : fs_.log) {
        EXPECT_EQ(entry.rfind("delete", 0), std::string::npos) << recent << " / " << temp << ": " << entry;
        EXPECT_EQ(entry.rfind("list", 0), std::string::npos) << recent << " / " << temp << ": " << entry;
      }
    }
  }
  EXPECT_TRUE(fs_.Has("C:\\WINNT\\win.ini"));
  EXPECT_TRUE(fs_.Has("C:\\boot.ini"));
}

// Hostile "Recent" and "Temp" values (a profile root, a drive root, Program Files, the Windows folder,
// a network path, paths climbing out with "..") empty nothing; the real folders are cleaned, and in
// the temporary folder a file written since the system started stays.
TEST(CleaningPlaces, OnlyHistoryAndTemporaryFoldersAreEmptied) {
  test::HelperRegistry r;
  r.registry.RegWriteDword(kChoicesKey, "ClearDocHistory", 1);
  r.registry.RegWriteDword(kChoicesKey, "ClearTempFiles", 1);
  test::FakeFolders fs;
  const std::vector<std::string> files = {
      "C:\\x.doc", "C:\\WINNT\\win.ini", "C:\\WINNT\\Profiles\\joe\\ntuser.dat",
      "C:\\WINNT\\Profiles\\joe\\Personal\\letter.doc", "C:\\WINNT\\Profiles\\All Users\\shared.doc",
      "C:\\Program Files\\App\\Temp\\data.tmp", "C:\\Program Files\\app.exe", "\\\\server\\share\\joe\\Temp\\f.tmp",
      "D:\\Temp\\d.tmp", "C:\\WINNT\\Profiles\\joe\\Recent\\a.lnk", "C:\\TEMP\\old.tmp"};
  for (const std::string& file : files) {
    fs.AddDirectory(file.substr(0, file.find_last_of('\\')));
    fs.AddFile(file);
  }
  fs.AddFile("C:\\TEMP\\young.tmp", 0x20, fs.bootTime);  // written in this session
  CleaningFolders folders;
  folders.Protected = {"C:\\WINNT\\system32\\", "C:\\WINNT\\", "C:\\"};
  folders.Profile = "C:\\WINNT\\Profiles\\joe\\";
  folders.SystemTemp = {"C:\\WINNT\\TEMP\\", "C:\\TEMP\\"};
  folders.ProgramFiles = "C:\\Program Files";
  const StartMenuNames names{"a", "b", "c"};
  for (const char* hostile :
       {"C:\\WINNT\\Profiles\\joe\\", "c:/winnt/profiles/JOE/.", "C:\\WINNT\\Profiles\\joe\\Recent\\..",
        "C:\\WINNT\\Profiles\\", "C:\\WINNT\\Profiles\\All Users", "C:\\Program Files\\App\\Temp",
        "C:\\Program Files", "C:\\WINNT", "C:\\", "\\\\server\\share\\joe\\Temp", "\\\\?\\C:\\TEMP", "D:\\Temp",
        "NoKey", "C:\\TEMP\\..\\WINNT\\Profiles\\joe"}) {
    folders.Recent = folders.Temp = hostile;
    RunStartupCleaning(r.registry, fs, folders, names);
  }
  for (const std::string& file : files) EXPECT_TRUE(fs.Has(file)) << file;

  folders.Recent = "C:\\WINNT\\Profiles\\joe\\Recent\\";
  folders.Temp = "C:\\TEMP\\";
  RunStartupCleaning(r.registry, fs, folders, names);
  EXPECT_FALSE(fs.Has("C:\\WINNT\\Profiles\\joe\\Recent\\a.lnk"));
  EXPECT_FALSE(fs.Has("C:\\TEMP\\old.tmp"));
  EXPECT_TRUE(fs.Has("C:\\TEMP\\young.tmp"));
  EXPECT_TRUE(fs.Has("C:\\WINNT\\Profiles\\joe\\Personal\\letter.doc"));

  // Without a known start time the temporary folder keeps everything.
  fs.AddFile("C:\\TEMP\\old.tmp");
  fs.bootTime = 0;
  RunStartupCleaning(r.registry, fs, folders, names);
  EXPECT_TRUE(fs.Has("C:\\TEMP\\old.tmp"));
}

TEST(SafetyCheck, AdversarialFolderValues) {
  const Paths prot = {"C:\\WINNT\\system32\\", "C:\\WINNT\\", "D:\\"};
  for (const char* unsafe :
       {"C:\\WINNT\\SYSTEM32\\", "c:\\winnt\\system32", "  C:\\WINNT\\  ", "C:\\WINNT \\", "C:\\", "D:\\", "d:",
        "C:\\Programme\\..\\WINNT", "C:\\WINNT\\system32\\drivers\\..", "C:\\WINNT\\.\\", "\\\\server\\share\\",
        "relative\\temp", "", "   ", "C:\\Windows\\..\\.."}) {
    EXPECT_TRUE(IsUnsafeToEmpty(unsafe, prot)) << "'" << unsafe << "'";
  }
  for (const char* safe : {"C:\\WINNT\\Temp\\", "C:\\WINNT\\system32\\spool\\", "C:\\Temp\\", "E:\\Temp",
                           "\\\\server\\share\\temp", "C:\\WINNTX\\"}) {
    EXPECT_FALSE(IsUnsafeToEmpty(safe, prot)) << "'" << safe << "'";
  }
  EXPECT_TRUE(IsUnsafeToEmpty("C:\\Documents", {"c:\\documents\\user\\"})) << "above a protected folder";
}

}  // namespace
}  // namespace kv::helper
