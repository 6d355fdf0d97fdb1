// The engine and the catalogue loader on the real registry and file system (Windows build, under Wine).
// Effects are checked with the system's own reg.exe, and reg.exe's writes are read back by the engine.
#include <gtest/gtest.h>

#include "app/catalogue/tests/catalogue_files_fixture.h"
#include "app/catalogue/win32_registry_store.h"
#include "app/engine/function_engine.h"
#include "app/engine/tests/reg_exe.h"
#include "app/engine/win32_platform_folders.h"

namespace kv {
namespace {

const std::string kKey = "HKEY_CURRENT_USER\\Software\\KorvaneTest\\Engine";
const std::string kRegExeKey = "HKCU\\Software\\KorvaneTest\\Engine";

class EngineOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    registry_.RegDelete(kKey, "");
    catalogue_.FktAnzahl = 3;
    catalogue_.Functions.resize(5);
    engine_.InitPathVariables(ReadPlatformFolders());
  }
  void TearDown() override { registry_.RegDelete(kKey, ""); }

  Win32RegistryStore store_;
  Registry registry_{store_};
  Catalogue catalogue_;
  FunctionEngine engine_{registry_, catalogue_};
};

TEST_F(EngineOnWine, PlatformFoldersEndInABackslash) {
  const PathVariables& p = engine_.Paths();
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(p.SystemFolder(), std::string(system) + "\\");
  EXPECT_EQ(p.UndoFilePath(), std::string(system) + "\\KORVN2K.UND");
  EXPECT_EQ(p.WindowsFolder().back(), '\\');
  EXPECT_EQ(p.TempFolder().back(), '\\');
  EXPECT_NE(p.TempFolder().find_last_of('\\', p.TempFolder().size() - 2), std::string::npos);
  EXPECT_NE(p.ProgramFolder().find(":\\"), std::string::npos);
  EXPECT_EQ(p.ProgramFolder().back(), '\\');
}

TEST_F(EngineOnWine, AppliedStateIsSeenByRegExe) {
  FunctionRecord& f = catalogue_.Functions[1];
  f.RestartLevel = 1;
  f.OnActions[0] = {kKey, "Text", "%SYS%drivers", KindText, 0};
  f.OnActions[1] = {kKey, "Number", "&H1F", KindDword, 0};
  f.OnActions[2] = {kKey, "Bits", "%BITSET%3/2", KindBinary, 0};
  f.OffActions[0] = {kKey, "Text", "", KindText, 1};
  registry_.RegWriteBinary(kKey, "Bits", "01");

  ASSERT_TRUE(engine_.ApplyFunctionState(1, true));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Text"),
            std::make_pair(std::string("REG_SZ"), engine_.Paths().SystemFolder() + "drivers"));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Number"), std::make_pair(std::string("REG_DWORD"), std::string("0x1f")));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Bits"), std::make_pair(std::string("REG_BINARY"), std::string("09")));
  EXPECT_EQ(engine_.DecideExit(), ExitAction::Restart);

  engine_.ApplyFunctionState(1, false);
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Text").first, "");
  EXPECT_EQ(engine_.DecideExit(), ExitAction::None);
}

TEST_F(EngineOnWine, ValueWrittenByRegExeIsReadByTheEngine) {
  FunctionRecord& f = catalogue_.Functions[2];
  f.StateKeyPath = kKey;
  f.StateValueName = "Delay";
  f.StateValueKind = KindDword;
  f.DefaultNumber = 400;
  f.Maximum = 500;
  EXPECT_EQ(engine_.ReadNumberText(2), "400");
  test::RunRegExe("add \"" + kRegExeKey + "\" /v Delay /t REG_DWORD /d 800 /f");
  EXPECT_EQ(engine_.ReadNumberText(2), "500");
  test::RunRegExe("add \"" + kRegExeKey + "\" /v Delay /t REG_DWORD /d 99999 /f");
  EXPECT_EQ(engine_.ReadNumberText(2), "400");

  f.StateValueName = "Flags";
  f.StateValueKind = KindBinary;
  f.OnValue = "%BIT%5";
  f.StateWhenMatching = 1;
  f.StateWhenMissing = 0;
  test::RunRegExe("add \"" + kRegExeKey + "\" /v Flags /t REG_BINARY /d 2000 /f");
  EXPECT_EQ(engine_.ReadCheckState(2), 1);
  test::RunRegExe("add \"" + kRegExeKey + "\" /v Flags /t REG_BINARY /d 0020 /f");
  EXPECT_EQ(engine_.ReadCheckState(2), 0);
}

TEST_F(EngineOnWine, ValueFunctionWritesTheInput) {
  FunctionRecord& f = catalogue_.Functions[0];
  f.RestartLevel = 0;
  f.OnActions[0] = {kKey, "Shell", "%INPUT%.exe", KindText, 0};
  f.OnActions[1] = {kKey, "Raw", "", KindBinary, 0};
  EXPECT_FALSE(engine_.ApplyFunctionValue(0, "explorer"));  // last write: binary of non-hex input, refused
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Shell"), std::make_pair(std::string("REG_SZ"), std::string("explorer.exe")));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Raw").first, "");
  EXPECT_TRUE(engine_.ApplyFunctionValue(0, "0A0B0C"));
  EXPECT_EQ(test::QueryWithRegExe(kRegExeKey, "Raw"), std::make_pair(std::string("REG_BINARY"), std::string("0A0B0C")));
  EXPECT_EQ(engine_.DecideExit(), ExitAction::LogOff);
}

TEST_F(EngineOnWine, DeleteOfAKeyTreeIsSeenByRegExe) {
  test::RunRegExe("add \"" + kRegExeKey + "\\Tree\\A\\B\" /v x /d 1 /f");
  test::RunRegExe("add \"" + kRegExeKey + "\\Tree\\C\" /v y /d 2 /f");
  catalogue_.Functions[3].OffActions[0] = {kKey + "\\Tree", "", "", KindText, 1};
  engine_.ApplyFunctionState(3, false);
  DWORD exitCode = 0;
  test::RunRegExe("query \"" + kRegExeKey + "\\Tree\"", &exitCode);
  EXPECT_NE(exitCode, 0u);
  test::RunRegExe("query \"" + kRegExeKey + "\"", &exitCode);
  EXPECT_EQ(exitCode, 0u);
}

TEST_F(EngineOnWine, CatalogueLoadsFromRealFilesWithCountFromRegExe) {
  const std::string folder = engine_.Paths().TempFolder() + "kvcore_catalogue\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  test::CatalogueFiles db;
  db.functions.resize(2);
  db.functions[1].Caption = "Second";
  db.captions[5].Captions[2] = "Boot";
  db.index[100] = 7;
  ASSERT_TRUE(db.WriteToFolder(folder));
  const std::string undo = folder + "KORVN2K.UND";
  ASSERT_TRUE(test::CatalogueFiles::WriteFile(undo, {}));

  test::RunRegExe("add \"HKLM\\Software\\Quorbel\\Korvane2k\" /v FktAnzahl /t REG_DWORD /d 10 /f");
  StdioFileSystem files;
  Catalogue loaded;
  ASSERT_EQ(LoadCatalogue(registry_, files, folder, undo, &loaded), CatalogueLoadResult::Loaded);
  EXPECT_EQ(loaded.FktAnzahl, 10);
  ASSERT_EQ(loaded.Functions.size(), 12u);
  EXPECT_EQ(loaded.Functions[1].Caption, "Second");
  EXPECT_EQ(loaded.GroupCaptions[5].Captions[2], "Boot");
  EXPECT_EQ(loaded.PageFunctionIndex[100], 7);
  test::RunRegExe("delete \"HKLM\\Software\\Quorbel\\Korvane2k\" /v FktAnzahl /f");

  DeleteFileA(undo.c_str());
  EXPECT_EQ(LoadCatalogue(registry_, files, folder, undo, &loaded), CatalogueLoadResult::FileMissing);
  for (const char* name : {"Korvn2k.fkt", "Korvn2k.hdl", "Korvn2k.idx"}) DeleteFileA((folder + name).c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace kv
