// Change bookkeeping, need bits and the exit decision; bit operations; path variables.
#include "app/engine/bit_ops.h"
#include "app/engine/tests/engine_fixture.h"

namespace kv::test {
namespace {

TEST_F(EngineTest, SwitchOnThenOffAsksForNothing) {
  Fn(3).RestartLevel = 1;
  engine_.ApplyFunctionState(3, true);
  EXPECT_TRUE(engine_.ChangeTable()[3].Changed);
  EXPECT_EQ(engine_.ChangeTable()[3].FunctionNeed, 2);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::Restart);
  engine_.ApplyFunctionState(3, false);
  EXPECT_FALSE(engine_.ChangeTable()[3].Changed);
  EXPECT_EQ(engine_.ChangeTable()[3].FunctionNeed, 0);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::None);
}

TEST_F(EngineTest, SwitchingTheSameWayTwiceKeepsTheNeed) {
  Fn(3).RestartLevel = 1;
  engine_.ApplyFunctionState(3, false);
  engine_.ApplyFunctionState(3, false);
  EXPECT_TRUE(engine_.ChangeTable()[3].Changed);
  EXPECT_FALSE(engine_.ChangeTable()[3].FirstNewState);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::Restart);
  engine_.ApplyFunctionState(3, true);  // back to where it started
  engine_.ApplyFunctionState(3, true);  // a new first switch
  EXPECT_TRUE(engine_.ChangeTable()[3].FirstNewState);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::Restart);
}

TEST_F(EngineTest, ValueChangeRaisesTheProgramWideNeed) {
  Fn(0).RestartLevel = 0;
  Fn(5).RestartLevel = 1;
  engine_.ApplyFunctionState(5, true);
  engine_.ApplyFunctionValue(0, "x");  // no used action: the need is raised all the same
  EXPECT_EQ(engine_.RestartNeed(), 1);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::LogOff);  // the per-function table is no longer looked at
  EXPECT_TRUE(engine_.ChangeTable()[0].Changed == false);
}

TEST_F(EngineTest, RestartLevelsOtherThanZeroAndOneNeedNothing) {
  Fn(2).RestartLevel = 2;
  Fn(4).RestartLevel = -1;
  engine_.ApplyFunctionState(2, true);
  engine_.ApplyFunctionState(4, true);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::None);
  engine_.ApplyFunctionValue(2, "");
  EXPECT_EQ(engine_.RestartNeed(), 4);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::None);
  engine_.RaiseRestartNeed(1);
  EXPECT_EQ(engine_.DecideExit(), ExitAction::Restart);
}

TEST(ExitDecision, ScanOrderAndRange) {
  std::vector<FunctionChangeRecord> table(5);
  table[1] = {true, true, 1};
  EXPECT_EQ(DecideExitAction(0, table, 3), ExitAction::LogOff);
  table[3] = {true, true, 2};
  EXPECT_EQ(DecideExitAction(0, table, 3), ExitAction::Restart);  // a later restart wins
  EXPECT_EQ(DecideExitAction(0, table, 2), ExitAction::LogOff);   // functions past FktAnzahl are not scanned
  table[2] = {true, false, 2};                                    // not changed: ignored
  EXPECT_EQ(DecideExitAction(0, table, 2), ExitAction::LogOff);
  EXPECT_EQ(DecideExitAction(3, {}, 3), ExitAction::Restart);
  EXPECT_EQ(DecideExitAction(1, table, 3), ExitAction::LogOff);
  EXPECT_EQ(DecideExitAction(4, table, 3), ExitAction::None);
  EXPECT_EQ(DecideExitAction(0, table, 100), ExitAction::Restart);  // a short table is no fault
}

TEST(BitOps, SignBitAndOutOfRangeBits) {
  std::int32_t v = 0;
  EXPECT_EQ(BitSet(v, 31), INT32_MIN);
  EXPECT_TRUE(BitTest(v, 31));
  EXPECT_EQ(BitSet(v, 0), INT32_MIN + 1);
  EXPECT_EQ(BitClear(v, 31), 1);
  EXPECT_EQ(v, 1);
  for (int bad : {-1, 32, 1000}) {
    std::int32_t w = -1;
    EXPECT_EQ(BitClear(w, bad), -1);
    w = 0;
    EXPECT_EQ(BitSet(w, bad), 0);
    EXPECT_FALSE(BitTest(-1, bad));
  }
}

TEST_F(EngineTest, PathVariablesAndFolders) {
  const PathVariables& p = engine_.Paths();
  EXPECT_EQ(p.SystemFolder(), "C:\\WINNT\\system32\\");
  EXPECT_EQ(p.WindowsFolder(), "C:\\WINNT\\");
  EXPECT_EQ(p.TempFolder(), "C:\\TEMP\\");
  EXPECT_EQ(p.ProgramFolder(), "C:\\Korvane\\");
  EXPECT_EQ(p.BootFolder(), "C:\\");
  EXPECT_EQ(p.UndoFilePath(), "C:\\WINNT\\system32\\KORVN2K.UND");
  EXPECT_EQ(engine_.ExpandPathVariables("%SYS%drivers", ""), "C:\\WINNT\\system32\\drivers");
  EXPECT_EQ(engine_.ExpandPathVariables("%sys%|%SYS%%SYS%", ""), "%sys%|C:\\WINNT\\system32\\C:\\WINNT\\system32\\");
  EXPECT_EQ(engine_.ExpandPathVariables("", "in"), "");
  EXPECT_EQ(engine_.ExpandPathVariables("%INPUT%-%TEMP%", "%BOOT%"), "C:\\-C:\\TEMP\\");
  EXPECT_EQ(engine_.ExpandPathVariables("%INPUT%", "%INPUT%"), "%INPUT%");  // one pass, not recursive
}

TEST_F(EngineTest, BootFolderFromTheRegistryUnchanged) {
  registry_.RegWriteString(kBootDirKey, "BootDir", "D:");
  engine_.InitPathVariables({"C:\\WINNT\\system32\\", "C:\\WINNT", "", ""});
  EXPECT_EQ(engine_.Paths().BootFolder(), "D:");
  EXPECT_EQ(engine_.ExpandPathVariables("%BOOT%boot.ini", ""), "D:boot.ini");
  EXPECT_EQ(engine_.Paths().TempFolder(), "\\");
}

TEST(PathVariablesBeforeInit, FoldersExpandToNothing) {
  PathVariables p;
  EXPECT_EQ(p.Expand("%INPUT%%SYS%", "x"), "x");
}

}  // namespace
}  // namespace kv::test
