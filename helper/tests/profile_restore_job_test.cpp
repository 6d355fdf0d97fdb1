// The unattended restore as a log-on script runs it: a profile restores every function and reports
// 0 and the need for a restart; a value that cannot be set reports 1 and still restores the rest; a
// missing, damaged or foreign-count profile reports 2 and writes nothing.
#include <gtest/gtest.h>

#include "app/catalogue/catalogue_file.h"
#include "app/restore/profile_codec.h"
#include "helper/core/profile_restore_job.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\T";
constexpr const char* kNowhere = "HKEY_NOWHERE\\Software\\T";  // no such root: every write fails

class UnattendedRestore : public testing::Test {
 protected:
  void SetUp() override {
    job_.ProfilePath = "\\\\SERVER\\NETLOGON\\KORVANE.PRF";
    job_.DatabasePath = "C:\\K\\Korvn2k.fkt";
    job_.UndoFilePath = "C:\\S\\KORVN2K.UND";
    job_.FunctionCount = 2;
    std::vector<FunctionRecord> functions(4);
    functions[0].RestartLevel = 1;
    functions[0].OnActions[0] = {kKey, "Text", "on", KindText, 0};
    functions[0].OnActions[1] = {kKey, "Dword", "1", KindDword, 0};
    functions[1].RestartLevel = 2;
    functions[1].OnActions[0] = {kKey, "Gone", "on", KindText, 0};
    functions[2].OnActions[0] = {kNowhere, "X", "1", KindDword, 0};
    files_.files[job_.DatabasePath] = EncodeFunctionFile(functions);
    table_.resize(ProfileRecordCount(2));
    table_[0].Entries[0] = {kKey, "Text", "profile", KindText, 0};
    table_[0].Entries[1] = {kKey, "Dword", "-1", KindDword, 0};
    table_[1].Entries[0] = {kKey, "Gone", "NoKey", KindText, 0};
    table_[MarkerRecordIndex(2)] = MakeMarkerRecord("stamp", 3);
    r_.registry.RegWriteString(kKey, "Text", "local");
    r_.registry.RegWriteDword(kKey, "Dword", 5);
    r_.registry.RegWriteString(kKey, "Gone", "local");
  }
  void SaveProfile() { files_.files[job_.ProfilePath] = EncodeProfile(table_); }
  ProfileRestoreOutcome Run() { return RunProfileRestore(r_.registry, files_, job_); }
  bool Untouched() const {
    return r_.registry.RegReadString(kKey, "Text", "") == "local" && r_.registry.RegReadDword(kKey, "Dword", 0) == 5 &&
           r_.registry.RegReadDword(kRestoreNeedKey, kRestoreNeedValue, -7) == -7;
  }

  test::HelperRegistry r_;
  test::MemoryFileStore files_;
  ProfileTable table_;
  ProfileRestoreJob job_;
};

TEST_F(UnattendedRestore, RestoresEveryFunctionReportsZeroAndLeavesTheNeedForTheScript) {
  SaveProfile();
  const ProfileRestoreOutcome first = Run();
  EXPECT_EQ(first.ExitCode, kRestoreAllDone);
  EXPECT_EQ(r_.registry.RegReadString(kKey, "Text", ""), "profile");
  EXPECT_EQ(r_.registry.RegReadDword(kKey, "Dword", 0), -1);
  EXPECT_EQ(r_.registry.RegReadString(kKey, "Gone", ""), "NoKey");
  EXPECT_EQ(first.Changed, 2);
  // Function 0 needs a restart (level 1); function 1's level 2 needs nothing.
  EXPECT_EQ(first.NeedBits, 2);
  EXPECT_EQ(r_.registry.RegReadDword(kRestoreNeedKey, kRestoreNeedValue, -7), 2);
  // The next log-on finds everything in place: nothing changes and nothing is needed any more.
  const ProfileRestoreOutcome again = Run();
  EXPECT_EQ(again.ExitCode, kRestoreAllDone);
  EXPECT_EQ(again.Changed, 0);
  EXPECT_EQ(r_.registry.RegReadDword(kRestoreNeedKey, kRestoreNeedValue, -7), 0);
}

TEST_F(UnattendedRestore, AValueThatCannotBeSetReportsOneAndTheRestIsStillRestored) {
  table_[2].Entries[0] = {kNowhere, "X", "7", KindDword, 0};
  SaveProfile();
  const ProfileRestoreOutcome outcome = Run();
  EXPECT_EQ(outcome.ExitCode, kRestoreSomeFailed);
  EXPECT_EQ(outcome.Failed, 1);
  EXPECT_EQ(r_.registry.RegReadString(kKey, "Text", ""), "profile");
}

TEST_F(UnattendedRestore, MissingDamagedOrForeignProfilesReportTwoAndWriteNothing) {
  EXPECT_EQ(Run().ExitCode, kRestoreProfileInvalid);  // no file at the path
  EXPECT_TRUE(Untouched());

  table_[MarkerRecordIndex(2)] = ProfileRecord();  // marker gone: damaged
  SaveProfile();
  EXPECT_EQ(Run().ExitCode, kRestoreProfileInvalid);
  EXPECT_TRUE(Untouched());

  table_[MarkerRecordIndex(2)] = MakeMarkerRecord("stamp", 3);
  SaveProfile();
  job_.FunctionCount = 1;  // taken on an edition with more functions than this one
  EXPECT_EQ(Run().ExitCode, kRestoreProfileInvalid);
  EXPECT_TRUE(Untouched());

  job_.FunctionCount = 2;
  files_.files.erase(job_.DatabasePath);  // no database: no entry can be tied to its function
  EXPECT_EQ(Run().ExitCode, kRestoreProfileInvalid);
  EXPECT_TRUE(Untouched());
}

}  // namespace
}  // namespace kv::helper
