// Start-up and exit rules of the main program: language, title, caption match, placement, start page,
// Internet menu, password scrambling, exit decision, program settings.
#include <gtest/gtest.h>

#include <map>

#include "app/catalogue/memory_registry_store.h"
#include "app/engine/function_engine.h"
#include "app/mainwin/core/exit_decision.h"
#include "app/mainwin/core/net_menu.h"
#include "app/mainwin/core/program_settings.h"
#include "app/mainwin/core/scramble_text.h"
#include "app/mainwin/core/startup_rules.h"
#include "app/mainwin/core/text_lookup.h"
#include "app/mainwin/core/window_placement.h"

namespace kv {
namespace {

TEST(StartupRules, LanguageOffsetAndOsKind) {
  EXPECT_EQ(LanguageOffset(0), 0);
  EXPECT_EQ(LanguageOffset(1), 1000);
  EXPECT_EQ(LanguageOffset(7), 0);
  EXPECT_EQ(LanguageOffset(-1), 0);
  EXPECT_EQ(OsKindFromVersion(false, kPlatformNt, 5), kOsUnknown);
  EXPECT_EQ(OsKindFromVersion(true, kPlatformWindows, 4), kOsWin9x);
  EXPECT_EQ(OsKindFromVersion(true, kPlatformNt, 4), kOsNt4);
  EXPECT_EQ(OsKindFromVersion(true, kPlatformNt, 5), kOsNt5);
  EXPECT_EQ(OsKindFromVersion(true, kPlatformNt, 6), kOsNt5);
  EXPECT_EQ(Nt4Flag(kOsNt4), 1);
  EXPECT_EQ(Nt4Flag(kOsNt5), 0);
  EXPECT_EQ(RunningOsFilter(kOsNt4), 1);
  EXPECT_EQ(RunningOsFilter(kOsNt5), 0);
}

TEST(StartupRules, CaptionMatchTrimsUpperCasesAndSearchesAnywhere) {
  EXPECT_TRUE(CaptionContains("  korvnmsgwinow ", "KORVNMSGWINOW"));
  EXPECT_TRUE(CaptionContains("Delmora Korvane 2000 für Windows® 2000", "  delmora korvane 2000 "));
  EXPECT_TRUE(CaptionContains("[x] KORVNMSGWINOW [y]", "korvnmsgwinow"));
  EXPECT_FALSE(CaptionContains("Korvane", "Delmora Korvane"));
  EXPECT_FALSE(CaptionContains("anything", "   "));
  EXPECT_FALSE(CaptionContains("", "x"));
}

TEST(StartupRules, StartPage) {
  EXPECT_EQ(ChooseStartPage(false, 530, 2).ToolId, 1);
  EXPECT_EQ(ChooseStartPage(false, 530, 2).Tab, 0);
  EXPECT_EQ(ChooseStartPage(true, 530, 2).ToolId, 530);
  EXPECT_EQ(ChooseStartPage(true, 530, 2).Tab, 2);
  EXPECT_EQ(ChooseStartPage(true, 99, 3).ToolId, 500);
  EXPECT_EQ(ChooseStartPage(true, 99, 3).Tab, 0);
}

PlacementInput Screen(bool save) {
  PlacementInput in{};
  in.ScreenWidth = 15360;  // 1024 px
  in.ScreenHeight = 11520;
  in.WindowWidth = 9000;
  in.WindowHeight = 7000;
  in.InnerWidth = 8900;
  in.InnerHeight = 6600;
  in.SaveLastWinPos = save;
  return in;
}

TEST(WindowPlacement, StoredPositionClampedOrCentred) {
  int l = 0, t = 0;
  PlacementInput in = Screen(true);
  PlaceMainWindow(in, &l, &t);  // nothing stored: centred
  EXPECT_EQ(l, (15360 - 9000) / 2);
  EXPECT_EQ(t, (11520 - 7000) / 2);
  in.HasStoredLeft = in.HasStoredTop = true;
  in.StoredLeft = 20000;  // beyond the screen: flush right
  in.StoredTop = 11520;   // at the screen height: flush bottom
  PlaceMainWindow(in, &l, &t);
  EXPECT_EQ(l, 15360 - 9000);
  EXPECT_EQ(t, 11520 - 7000);
  in.StoredLeft = -8901;  // wholly left of the screen
  in.StoredTop = -6601;
  PlaceMainWindow(in, &l, &t);
  EXPECT_EQ(l, 0);
  EXPECT_EQ(t, 0);
  in.StoredLeft = -8900;  // a sliver still on screen stays
  in.StoredTop = 300;
  PlaceMainWindow(in, &l, &t);
  EXPECT_EQ(l, -8900);
  EXPECT_EQ(t, 300);
  in.SaveLastWinPos = false;  // positions ignored
  PlaceMainWindow(in, &l, &t);
  EXPECT_EQ(l, (15360 - 9000) / 2);
}

TEST(WindowPlacement, WorkBackHeightAndExitPositions) {
  EXPECT_EQ(HeightForWorkBack(8000, 7000), 8000 - 445);
  EXPECT_EQ(HeightForWorkBack(6000, 5000), 7555);
  ExitPositions p = PositionsAtExit(true, {1000, 2000, 9000, 7000});
  EXPECT_TRUE(p.Write);
  EXPECT_EQ(p.WinLeft, 1000);
  EXPECT_EQ(p.AboutLeft, 1000 + 4500 - 2640);
  EXPECT_EQ(p.AboutTop, 2000 + 3500 - 1867);
  EXPECT_FALSE(PositionsAtExit(false, {0, 0, 15360, 11520}).Write);  // maximised keeps the old position
}

TEST(NetMenu, EntriesGapsSeparatorsDateAndImages) {
  std::map<std::string, std::string> values = {
      {"01", "Homepage#http://www.example.com/#2"},
      {"03", "-"},
      {"04", "News %DATE%#http://news.example.com/#x"},
      {"15", "Update#%update%#0"},
      {"16", "ignored#x#1"}};
  auto read = [&](const std::string& name, std::string* text) {
    auto it = values.find(name);
    if (it == values.end()) return false;
    *text = it->second;
    return true;
  };
  std::vector<NetMenuEntry> e = ReadNetMenu(read, Date{2001, 3, 9});
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].Id, 5001);
  EXPECT_EQ(e[0].Caption, "Homepage");
  EXPECT_EQ(e[0].Target, "http://www.example.com/");
  EXPECT_EQ(e[0].Image, 2);
  EXPECT_EQ(e[1].Id, 5003);
  EXPECT_TRUE(e[1].Separator);
  EXPECT_EQ(e[2].Caption, "News 03.09.01");
  EXPECT_EQ(e[2].Image, 0);
  EXPECT_EQ(e[3].Id, 5015);
  EXPECT_TRUE(IsUpdateTarget(e[3].Target));
  EXPECT_FALSE(IsUpdateTarget("http://x/%UPDATE%"));
  NetMenuEntry bare = ParseNetMenuValue(2, "Caption only", Date{1999, 12, 31});
  EXPECT_EQ(bare.Caption, "Caption only");
  EXPECT_EQ(bare.Target, "");
  EXPECT_EQ(FormatMenuDate(Date{2000, 1, 2}), "01.02.00");
}

// The menu shows whenever the key has a default value, even an empty one; every image number above 0
// names a picture of MenuImg.
TEST(NetMenu, AnEmptyDefaultValueShowsTheMenuAndEveryImageNumberHasAPicture) {
  MemoryRegistryStore store;
  Registry reg(store);
  const std::string key = "HKEY_LOCAL_MACHINE\\Software\\Quorbel\\Korvane2k\\NetMenuB";
  EXPECT_FALSE(NetMenuShown(reg, key)) << "no key";
  reg.RegWriteString(key, "01", "Homepage#http://www.example.com/#2");
  EXPECT_FALSE(NetMenuShown(reg, key)) << "entries without a default value";
  reg.RegWriteString(key, "", "");
  EXPECT_TRUE(NetMenuShown(reg, key)) << "empty default value";
  EXPECT_EQ(MenuImagePicture(0), 0);
  for (int image = 1; image <= 3 * kMenuImageCount; ++image) {
    const int picture = MenuImagePicture(image);
    EXPECT_TRUE(picture >= 1 && picture <= kMenuImageCount) << image;
    if (image <= kMenuImageCount) {
      EXPECT_EQ(picture, image);
    }
  }
}

TEST(ScrambleText, RoundTripForEveryPositionRelativeToTheKey) {
  // Every length up to 15 covers every position relative to the 7-character key twice; all byte values.
  for (int len = 0; len <= 15; ++len) {
    for (int base = 0; base < 256; base += 7) {
      std::string clear;
      for (int i = 0; i < len; ++i) clear += static_cast<char>((base + 37 * i) & 255);
      std::string scrambled = ScrambleText(clear, kScramble);
      ASSERT_EQ(scrambled.size(), clear.size());
      EXPECT_EQ(ScrambleText(scrambled, kUnscramble), clear) << "len " << len << " base " << base;
    }
  }
  EXPECT_EQ(ScrambleText("abc", 2), "");
  EXPECT_EQ(ScrambleTextWithKey("abc", 0, ""), "abc");
  // Key position: character 1 uses key character 2, character 7 key character 1.
  const std::string key = "ABCDEFG";
  std::string s = ScrambleTextWithKey(std::string(8, 'z'), kScramble, key);
  EXPECT_EQ(static_cast<unsigned char>(s[0]), static_cast<unsigned char>('z' - 'B'));
  EXPECT_EQ(static_cast<unsigned char>(s[5]), static_cast<unsigned char>('z' - 'G'));
  EXPECT_EQ(static_cast<unsigned char>(s[6]), static_cast<unsigned char>('z' - 'A'));
  EXPECT_EQ(static_cast<unsigned char>(s[7]), static_cast<unsigned char>('z' - 'B'));
}

TEST(ExitDecision, EngineDecisionLeadsToQuestionAndHelperCommand) {
  // Two changed functions, log-off first and restart later: the engine's walk decides for a restart.
  MemoryRegistryStore store;
  Registry reg(store);
  Catalogue cat;
  cat.FktAnzahl = 2;
  cat.Functions.resize(4);
  cat.Functions[1].RestartLevel = 0;
  cat.Functions[2].RestartLevel = 1;
  FunctionEngine engine(reg, cat);
  EXPECT_EQ(engine.DecideExit(), ExitAction::None);
  ExitQuestion q{};
  EXPECT_FALSE(ExitQuestionFor(engine.DecideExit(), &q));
  engine.RecordFunctionChange(1, true);
  ASSERT_TRUE(ExitQuestionFor(engine.DecideExit(), &q));
  EXPECT_EQ(q.MessageText, 113);
  EXPECT_EQ(q.Switch, "/LOGOFF");
  engine.RecordFunctionChange(2, true);
  ASSERT_TRUE(ExitQuestionFor(engine.DecideExit(), &q));
  EXPECT_EQ(q.TitleText, 111);
  EXPECT_EQ(q.MessageText, 112);
  EXPECT_EQ(HelperCommandLine("C:\\windows\\system32\\", q.Switch), "\"C:\\windows\\system32\\KORVNST.EXE\" /REBOOT");
  EXPECT_EQ(HelperCommandLine("C:\\x", "/LOGOFF"), "\"C:\\x\\KORVNST.EXE\" /LOGOFF");
  // A system folder with blanks stays one program path.
  EXPECT_EQ(HelperCommandLine("D:\\My System\\", "/LOGOFF"), "\"D:\\My System\\KORVNST.EXE\" /LOGOFF");
  EXPECT_TRUE(AsksAtExit(ExitCause::UserClose));
  EXPECT_FALSE(AsksAtExit(ExitCause::WindowsEnding));
  EXPECT_FALSE(AsksAtExit(ExitCause::TaskManager));
}

TEST(ProgramSettingsStore, DefaultsBooleansAndExitValues) {
  MemoryRegistryStore store;
  Registry reg(store);
  ProgramSettings s = ReadProgramSettings(reg);
  EXPECT_TRUE(s.SaveLastWinPos && s.SoundEffekts && s.DlgFade && s.ViewLastTool && s.ViewSaveInfo && s.ViewAppLogo);
  EXPECT_EQ(s.TreeViewStyle, 0);
  EXPECT_EQ(s.MenuAnimation, 2);
  EXPECT_EQ(s.LastTool, 500);
  int v = 0;
  EXPECT_FALSE(ReadOptionalDword(reg, kMainSetKey, "WinPosLeft", &v));
  reg.RegWriteDword(kMainSetKey, "SoundEffekts", 5);  // any non-zero is true
  reg.RegWriteDword(kMainSetKey, "DlgFade", 0);
  reg.RegWriteDword(kMainSetKey, "WinPosLeft", 0);
  s = ReadProgramSettings(reg);
  EXPECT_TRUE(s.SoundEffekts);
  EXPECT_FALSE(s.DlgFade);
  EXPECT_TRUE(ReadOptionalDword(reg, kMainSetKey, "WinPosLeft", &v));
  EXPECT_EQ(v, 0);
  s.TreeViewStyle = 2;
  s.ViewLastTool = false;
  WriteExitSettings(reg, s, 530, 1);
  EXPECT_EQ(reg.RegReadDword(kMainSetKey, "TreeViewStyle", 9), 2);
  EXPECT_EQ(reg.RegReadDword(kMainSetKey, "LastTool", 9), 530);
  EXPECT_EQ(reg.RegReadDword(kMainSetKey, "LastToolTab", 9), 1);
  EXPECT_EQ(reg.RegReadDword(kMainSetKey, "ViewLastTool", 9), 0);
  WriteBool(reg, kMainSetKey, "ViewSaveInfo", true);
  EXPECT_EQ(reg.RegReadDword(kMainSetKey, "ViewSaveInfo", 0), -1);
}

TEST(ProgramSettingsStore, PasswordNotSetWhenAbsentOrEmpty) {
  MemoryRegistryStore store;
  Registry reg(store);
  EXPECT_EQ(ReadStoredPassword(reg), "");
  reg.RegWriteString(kPasswordKey, kPasswordValue, "");
  EXPECT_EQ(ReadStoredPassword(reg), "");
  reg.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("Secret", kScramble));
  EXPECT_EQ(ScrambleText(ReadStoredPassword(reg), kUnscramble), "Secret");
}

}  // namespace
}  // namespace kv
