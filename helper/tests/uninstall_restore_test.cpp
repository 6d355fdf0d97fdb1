// The uninstall restore: the steps before the password guard, the question, the restore of every
// function's own values from a valid undo file, and the uninstaller started after Yes and after No.
#include <gtest/gtest.h>

#include <functional>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/catalogue.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_codec.h"
#include "helper/core/helper_setup.h"
#include "helper/core/helper_texts.h"
#include "helper/core/uninstall_restore.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

class RecordingUninstall : public UninstallPlatform {
 public:
  void ShowWarning(int text, int title) override {
    calls.push_back("warning " + std::to_string(text) + "/" + std::to_string(title));
    if (duringWarning) duringWarning();
  }
  bool AskYesNo(int text, int title) override {
    calls.push_back("ask " + std::to_string(text) + "/" + std::to_string(title));
    return answerYes;
  }
  void PumpMessages() override { ++pumps; }
  void StartProgram(const std::string& commandLine) override { calls.push_back("start " + commandLine); }

  bool answerYes = true;
  std::function<void()> duringWarning;
  int pumps = 0;
  std::vector<std::string> calls;
};

constexpr const char* kTestKey = "HKEY_CURRENT_USER\\Software\\T";
using Calls = std::vector<std::string>;

class Uninstall : public testing::Test {
 protected:
  void SetUp() override {
    job_.UndoFilePath = "C:\\S\\KORVN2K.UND";
    job_.SystemDirectory = "C:\\S\\";
    job_.UninstallerArguments = "-Y";
    job_.DatabasePath = "C:\\K\\Korvn2k.fkt";
    job_.FunctionCount = 1;
    functions_.resize(3);
    functions_[0].OnActions[1] = {kTestKey, "Text", "on", KindText, 0};
    functions_[1].OnActions[0] = {kTestKey, "Added", "on", KindText, 0};
    files_.files[job_.DatabasePath] = EncodeFunctionFile(functions_);
    table_.resize(ProfileRecordCount(1));
    table_[0].Entries[1] = {kTestKey, "Text", "before", KindText, 0};
    table_[1].Entries[0] = {kTestKey, "Added", "NoKey", KindText, 0};
    table_[MarkerRecordIndex(1)] = MakeMarkerRecord("stamp", 2);
    files_.files[job_.UndoFilePath] = EncodeProfile(table_);
    r_.registry.RegWriteString(kTestKey, "Text", "after");
    r_.registry.RegWriteString(kTestKey, "Added", "new");
    r_.registry.RegWriteString(kRunKey, "KorvnTweakMe", "KORVNST.EXE /TWEAK");
  }
  std::string Run() { return RunUninstallRestore(r_.registry, files_, platform_, job_); }
  bool Restored() {
    return r_.registry.RegReadString(kTestKey, "Text", "") == "before" &&
           r_.registry.RegReadString(kTestKey, "Added", "") == "NoKey";
  }
  void SignalsWereSent() {
    EXPECT_EQ(r_.registry.RegReadDword(kCurrentVersionKey, "TerminateSysTray", 0), 1);
    EXPECT_EQ(r_.registry.RegReadString(kRunKey, "KorvnTweakMe", ""), "NoKey");
  }

  test::HelperRegistry r_;
  test::MemoryFileStore files_;
  std::vector<FunctionRecord> functions_;
  ProfileTable table_;
  RecordingUninstall platform_;
  UninstallJob job_;
};

TEST_F(Uninstall, WithoutAlertRestoresEverythingAndStartsTheUninstaller) {
  EXPECT_EQ(Run(), "\"C:\\S\\RMVKT.EXE\" /-Y");
  SignalsWereSent();
  EXPECT_TRUE(Restored());
  EXPECT_EQ(platform_.calls, Calls{"start \"C:\\S\\RMVKT.EXE\" /-Y"});
  EXPECT_EQ(platform_.pumps, 2 * (1 + 3));
}

TEST_F(Uninstall, AlertAnsweredYesRestores) {
  job_.AskBeforeRestore = true;
  Run();
  EXPECT_TRUE(Restored());
  EXPECT_EQ(platform_.calls, (Calls{"ask 105/106", "start \"C:\\S\\RMVKT.EXE\" /-Y"}));
}

TEST_F(Uninstall, AlertAnsweredNoRestoresNothingButStillStartsTheUninstaller) {
  job_.AskBeforeRestore = true;
  job_.UninstallerArguments.clear();
  platform_.answerYes = false;
  EXPECT_EQ(Run(), "\"C:\\S\\RMVKT.EXE\" /");
  SignalsWereSent();
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
  EXPECT_EQ(platform_.calls, (Calls{"ask 105/106", "start \"C:\\S\\RMVKT.EXE\" /"}));
}

TEST_F(Uninstall, APasswordRefusesAfterTheSignalsWereSent) {
  r_.registry.RegWriteString(kPasswordKey, "AppInitPss", "geheim");
  job_.AskBeforeRestore = true;
  platform_.duringWarning = [this] { SignalsWereSent(); };
  EXPECT_EQ(Run(), "");
  // Korvane stays: the end request is taken back, or the tray helper would end at every log-on.
  EXPECT_EQ(r_.registry.RegReadDword(kCurrentVersionKey, "TerminateSysTray", 0), 0);
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
  EXPECT_EQ(platform_.calls, Calls{"warning 103/104"});
}

TEST_F(Uninstall, AnEmptyOrNoKeyPasswordIsNoPassword) {
  for (const char* value : {"", "NoKey"}) {
    r_.registry.RegWriteString(kPasswordKey, "AppInitPss", value);
    platform_.calls.clear();
    Run();
    EXPECT_EQ(platform_.calls, Calls{"start \"C:\\S\\RMVKT.EXE\" /-Y"}) << "'" << value << "'";
  }
}

// The uninstaller run by another user than the one who installed leaves that user's per-user values
// alone: they would be the installing user's settings.
TEST_F(Uninstall, AnotherUserGetsNoPerUserValuesOfTheMasterProfile) {
  r_.registry.RegWriteString(kProductKey, kMasterProfileUserValue, "PC\\Anna");
  job_.CurrentUser = "PC\\Admin";
  Run();
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
  job_.CurrentUser = "PC\\Anna";
  Run();
  EXPECT_TRUE(Restored());
}

TEST_F(Uninstall, AMissingUndoFileRestoresNothing) {
  files_.files.clear();
  EXPECT_EQ(Run(), "\"C:\\S\\RMVKT.EXE\" /-Y");
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
}

// A damaged or replaced undo file cannot make the uninstall delete what no function writes: a file
// without the marker restores nothing, and an entry that is not its function's own value is skipped
// (here one that would delete the program key of every .exe file).
TEST_F(Uninstall, DamagedOrForeignUndoEntriesAreNotRestored) {
  r_.registry.RegWriteString("HKEY_CLASSES_ROOT\\exefile\\shell\\open\\command", "", "\"%1\" %*");
  table_[1].Entries[1] = {"HKEY_CLASSES_ROOT\\exefile", "", "NoKey", KindText, 0};
  files_.files[job_.UndoFilePath] = EncodeProfile(table_);
  Run();
  EXPECT_TRUE(Restored()) << "the function's own values are still set back";
  EXPECT_EQ(r_.registry.RegReadString("HKEY_CLASSES_ROOT\\exefile\\shell\\open\\command", "", ""), "\"%1\" %*");

  r_.registry.RegWriteString(kTestKey, "Text", "after");
  table_[MarkerRecordIndex(1)] = ProfileRecord{};  // no marker: not a profile this version wrote
  files_.files[job_.UndoFilePath] = EncodeProfile(table_);
  EXPECT_EQ(Run(), "\"C:\\S\\RMVKT.EXE\" /-Y");
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");

  table_[MarkerRecordIndex(1)] = MakeMarkerRecord("stamp", 2);
  files_.files[job_.UndoFilePath] = EncodeProfile(table_);
  files_.files.erase(job_.DatabasePath);  // without the database no entry can be tied to a function
  Run();
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
}

}  // namespace
}  // namespace kv::helper
