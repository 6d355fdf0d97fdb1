// Resident mode: the tray icon following "ShowSysTray", the end through "TerminateSysTray", clicks,
// the pop-up menu, a recreated taskbar, the window's close and the keep-alive tick.
#include "helper/core/resident_mode.h"

#include <gtest/gtest.h>

#include "helper/core/helper_setup.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

using Log = std::vector<std::string>;

constexpr const char* kTip = " Delmora Korvane 2000 for Windows 2000 ";
constexpr const char* kMain = "C:\\Korvane\\Korvn2k.exe";

class Resident : public ::testing::Test {
 protected:
  void SetShow(std::int32_t value) { registry.RegWriteDword(kMainSetKey, kShowTrayValue, value); }
  void SetTerminate(std::int32_t value) { registry.RegWriteDword(kCurrentVersionKey, kTerminateTrayValue, value); }
  bool TerminateValueExists() const {
    return registry.RegReadDword(kCurrentVersionKey, kTerminateTrayValue, 12345) != 12345;
  }
  std::int32_t Show() const { return registry.RegReadDword(kMainSetKey, kShowTrayValue, 12345); }
  // Starts and lets the first poll show the icon.
  void StartWithIcon() {
    helper.Start();
    helper.OnPoll();
    ASSERT_TRUE(helper.IconAdded());
    platform.log.clear();
  }

  test::HelperRegistry reg;
  Registry& registry = reg.registry;
  test::FakeResidentPlatform platform;
  ResidentHelper helper{registry, platform, kTip, kMain};
};

TEST(TrayTip, NtFourGetsItsOwnSuffixEveryOtherSystemTheWindows2000One) {
  EXPECT_EQ(TrayTipText(" Delmora Korvane 2000", " for Windows 2000 ", " for Windows NT ", OsKind::Nt4),
            " Delmora Korvane 2000 for Windows NT ");
  for (OsKind os : {OsKind::Nt5OrLater, OsKind::Windows9x, OsKind::Unknown}) {
    EXPECT_EQ(TrayTipText(" Delmora Korvane 2000", " for Windows 2000 ", " for Windows NT ", os),
              " Delmora Korvane 2000 for Windows 2000 ");
  }
}

TEST(TrayTip, IsCutToTheSixtyThreeCharactersTheTipFieldHolds) {
  const std::string tip = TrayTipText(std::string(50, 'a'), std::string(50, 'b'), "", OsKind::Nt5OrLater);
  EXPECT_EQ(tip, std::string(50, 'a') + std::string(13, 'b'));
  EXPECT_EQ(TrayTipText("", "", "", OsKind::Nt4), "");
}

TEST(TrayTip, MainProgramIsKorvn2kInTheProgramFolderEvenWhenAppPathIsMissing) {
  EXPECT_EQ(MainProgramPath("C:\\Programme\\Korvane 2000\\"), "C:\\Programme\\Korvane 2000\\Korvn2k.exe");
  EXPECT_EQ(MainProgramPath("NoKey\\"), "NoKey\\Korvn2k.exe");
}

TEST_F(Resident, AnOldRequestToEndIsDeletedAtStartAndDoesNotEndTheNewInstance) {
  SetTerminate(1);
  helper.Start();
  EXPECT_FALSE(TerminateValueExists());
  helper.OnPoll();
  EXPECT_FALSE(helper.Ended());
  EXPECT_EQ(platform.log, (Log{std::string("add ") + kTip}));
}

TEST_F(Resident, IconFollowsShowSysTrayAtEachPoll) {
  helper.Start();
  EXPECT_TRUE(platform.log.empty()) << "no icon before the first poll";
  helper.OnPoll();  // absent counts as -1
  helper.OnPoll();  // already shown: no second icon
  EXPECT_EQ(platform.log, (Log{std::string("add ") + kTip}));
  EXPECT_TRUE(helper.IconWanted());

  SetShow(0);
  helper.OnPoll();
  helper.OnPoll();
  EXPECT_EQ(platform.log.back(), "remove");
  EXPECT_EQ(platform.log.size(), 2u);
  EXPECT_FALSE(helper.IconWanted());

  SetShow(-1);
  helper.OnPoll();
  EXPECT_EQ(platform.log.back(), std::string("add ") + kTip);

  SetShow(0);
  helper.OnPoll();
  registry.RegDelete(kMainSetKey, kShowTrayValue);  // deleted counts as -1
  helper.OnPoll();
  EXPECT_EQ(platform.log.size(), 5u);
  EXPECT_EQ(platform.log.back(), std::string("add ") + kTip);
}

TEST_F(Resident, ShowValuesOtherThanMinusOneAndZeroLeaveTheIconAsItIs) {
  SetShow(1);
  helper.OnPoll();
  EXPECT_FALSE(helper.IconAdded()) << "1 does not show a hidden icon";
  SetShow(-1);
  helper.OnPoll();
  EXPECT_TRUE(helper.IconAdded());
  SetShow(2);
  helper.OnPoll();
  EXPECT_TRUE(helper.IconAdded()) << "2 does not hide a shown icon";
  SetShow(0);
  helper.OnPoll();
  EXPECT_FALSE(helper.IconAdded());
  EXPECT_EQ(platform.log, (Log{std::string("add ") + kTip, "remove"}));
}

TEST_F(Resident, TerminateOneRemovesTheIconDeletesTheValueAndEnds) {
  StartWithIcon();
  SetTerminate(1);
  helper.OnPoll();
  EXPECT_EQ(platform.log, (Log{"remove", "end"}));
  EXPECT_FALSE(TerminateValueExists());
  EXPECT_TRUE(helper.Ended());

  // Ticks and messages still queued after the end change nothing.
  SetTerminate(1);
  helper.OnPoll();
  helper.OnTrayMouse(kTrayLeftButtonDown);
  helper.OnTaskbarCreated();
  helper.OnClose();
  EXPECT_EQ(platform.log, (Log{"remove", "end"}));
}

TEST_F(Resident, TerminateWithoutIconEndsWithoutTouchingTheTray) {
  SetShow(0);
  helper.Start();
  helper.OnPoll();
  SetTerminate(1);
  helper.OnPoll();
  EXPECT_EQ(platform.log, (Log{"end"}));
}

TEST_F(Resident, OnlyExactlyOneEndsTheHelper) {
  StartWithIcon();
  for (std::int32_t value : {0, 2, -1}) {
    SetTerminate(value);
    helper.OnPoll();
  }
  EXPECT_FALSE(helper.Ended());
  EXPECT_TRUE(platform.log.empty());
}

TEST_F(Resident, ARefusedIconIsTriedAgainAtTheNextPollUntilTheShellTakesIt) {
  platform.shellAccepts = false;
  helper.OnPoll();
  helper.OnPoll();
  EXPECT_TRUE(helper.IconWanted());
  EXPECT_FALSE(helper.IconAdded());
  platform.shellAccepts = true;
  helper.OnPoll();
  helper.OnPoll();
  EXPECT_EQ(platform.log.size(), 3u);
  EXPECT_TRUE(helper.IconAdded());

  // Turned off while refused: it is removed (harmless) and not tried again.
  platform.shellAccepts = false;
  helper.OnTaskbarCreated();
  SetShow(0);
  helper.OnPoll();
  helper.OnPoll();
  EXPECT_EQ(platform.log.back(), "remove");
  EXPECT_EQ(platform.log.size(), 5u);
}

TEST_F(Resident, ANewTaskbarGetsTheIconAgainOnlyWhenItIsWanted) {
  StartWithIcon();
  helper.OnTaskbarCreated();
  EXPECT_EQ(platform.log, (Log{std::string("add ") + kTip}));
  SetShow(0);
  helper.OnPoll();
  helper.OnTaskbarCreated();
  EXPECT_EQ(platform.log, (Log{std::string("add ") + kTip, "remove"}));
}

TEST_F(Resident, LeftButtonStartsTheMainProgramRightButtonOpensTheMenuOthersAreIgnored) {
  StartWithIcon();
  helper.OnTrayMouse(kTrayLeftButtonDown);
  helper.OnTrayMouse(514);  // button up
  helper.OnTrayMouse(515);  // double click
  helper.OnTrayMouse(512);  // move
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(platform.log, (Log{std::string("start ") + kMain, "menu"}));
}

TEST_F(Resident, ClicksWithoutAnIconAreIgnored) {
  SetShow(0);
  helper.OnPoll();
  helper.OnTrayMouse(kTrayLeftButtonDown);
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_TRUE(platform.log.empty());
}

TEST_F(Resident, MenuHasStartSeparatorExitWithStartEnabledOnlyWhenTheMainProgramExists) {
  StartWithIcon();
  helper.OnTrayMouse(kTrayRightButtonDown);
  ASSERT_EQ(platform.shownMenu.size(), 3u);
  const auto& m = platform.shownMenu;
  EXPECT_EQ(m[0].Id, 70);
  EXPECT_EQ(m[0].Text, "Korvane 2000");
  EXPECT_FALSE(m[0].Enabled);
  EXPECT_EQ(m[1].Id, 71);
  EXPECT_TRUE(m[1].Separator);
  EXPECT_EQ(m[2].Id, 72);
  EXPECT_EQ(m[2].Text, "Exit");
  EXPECT_TRUE(m[2].Enabled);

  platform.existing[kMain] = true;
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_TRUE(platform.shownMenu[0].Enabled);
}

TEST_F(Resident, MenuChoices) {
  platform.existing[kMain] = true;
  StartWithIcon();

  platform.menuChoice = kMenuStartMain;
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(platform.log, (Log{"menu", std::string("start ") + kMain}));

  platform.log.clear();
  platform.menuChoice = kMenuNone;  // dismissed by a click elsewhere
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(platform.log, (Log{"menu"}));
  EXPECT_EQ(Show(), 12345) << "dismissing writes nothing";

  // Exit turns the icon off through the registry; the next poll removes it and the helper stays.
  platform.log.clear();
  platform.menuChoice = kMenuExit;
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(Show(), 0);
  EXPECT_TRUE(helper.IconWanted());
  helper.OnPoll();
  EXPECT_EQ(platform.log, (Log{"menu", "remove"}));
  EXPECT_FALSE(helper.Ended());
}

TEST_F(Resident, StartChosenFromAMenuWhoseEntryWasGreyStartsNothing) {
  StartWithIcon();
  platform.menuChoice = kMenuStartMain;
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(platform.log, (Log{"menu"}));
}

// Without "AppPath" the program path is relative: a Korvn2k.exe in whatever folder is current (planted
// there by anyone) is never offered nor started.
TEST(ResidentWithoutAppPath, NothingIsStartedFromARelativePath) {
  test::HelperRegistry reg;
  test::FakeResidentPlatform platform;
  const std::string relative = MainProgramPath("NoKey\\");
  ResidentHelper helper{reg.registry, platform, kTip, relative};
  platform.existing[relative] = true;
  helper.Start();
  helper.OnPoll();
  platform.log.clear();
  platform.menuChoice = kMenuStartMain;
  helper.OnTrayMouse(kTrayRightButtonDown);
  ASSERT_FALSE(platform.shownMenu.empty());
  EXPECT_FALSE(platform.shownMenu[0].Enabled);
  helper.OnTrayMouse(kTrayLeftButtonDown);  // a click starts the program where it is known
  EXPECT_EQ(platform.log, (Log{"menu"}));
}

TEST_F(Resident, WhileTheMenuIsOpenTicksAndClicksWaitAndTheEndComesAfterIt) {
  StartWithIcon();
  platform.duringMenu = [&] {
    SetTerminate(1);
    helper.OnPoll();
    helper.OnTrayMouse(kTrayRightButtonDown);
    helper.OnTrayMouse(kTrayLeftButtonDown);
  };
  helper.OnTrayMouse(kTrayRightButtonDown);
  EXPECT_EQ(platform.log, (Log{"menu"}));
  EXPECT_FALSE(helper.Ended());
  helper.OnPoll();
  EXPECT_EQ(platform.log, (Log{"menu", "remove", "end"}));
  EXPECT_FALSE(TerminateValueExists());
}

TEST_F(Resident, ClosingTheWindowRemovesTheIconAndEndsOnce) {
  StartWithIcon();
  helper.OnClose();
  helper.OnClose();
  EXPECT_EQ(platform.log, (Log{"remove", "end"}));
  EXPECT_FALSE(helper.IconWanted());

  test::FakeResidentPlatform quiet;
  ResidentHelper hidden(registry, quiet, kTip, kMain);
  SetShow(0);
  hidden.OnPoll();
  hidden.OnClose();
  EXPECT_EQ(quiet.log, (Log{"end"}));
}

TEST(KeepAlive, TheTreeAlternatesBetweenOneBuffLineAndNone) {
  test::FakeTree tree;
  KeepAliveTick(tree);
  KeepAliveTick(tree);
  KeepAliveTick(tree);
  EXPECT_EQ(tree.log, (Log{"add BUFF 0 0", "remove 0", "add BUFF 0 0"}));
  tree.lines = {"a", "b"};  // lines from elsewhere: one is taken away per tick
  KeepAliveTick(tree);
  EXPECT_EQ(tree.lines, (Log{"b"}));
}

}  // namespace
}  // namespace kv::helper
