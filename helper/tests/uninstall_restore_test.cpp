// The uninstall restore: the steps before the password guard, the question, the restore of every
// entry without the marker test, and the uninstaller started after Yes and after No.
#include <gtest/gtest.h>

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
  }
  bool AskYesNo(int text, int title) override {
    calls.push_back("ask " + std::to_string(text) + "/" + std::to_string(title));
    return answerYes;
  }
  void PumpMessages() override { ++pumps; }
  void StartProgram(const std::string& commandLine) override { calls.push_back("start " + commandLine); }

  bool answerYes = true;
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
    job_.FunctionCount = 1;
    ProfileTable table(ProfileRecordCount(1));  // no marker record: the uninstall restore does not check it
    table[0].Entries[1] = {kTestKey, "Text", "before", KindText, 0};
    table[1].Entries[0] = {kTestKey, "Added", "NoKey", KindText, 0};
    files_.files[job_.UndoFilePath] = EncodeProfile(table);
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
  EXPECT_EQ(Run(), "");
  SignalsWereSent();
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

TEST_F(Uninstall, AMissingUndoFileRestoresNothing) {
  files_.files.clear();
  EXPECT_EQ(Run(), "\"C:\\S\\RMVKT.EXE\" /-Y");
  EXPECT_EQ(r_.registry.RegReadString(kTestKey, "Text", ""), "after");
}

}  // namespace
}  // namespace kv::helper
