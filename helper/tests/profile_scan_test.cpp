// The profile scan: nothing without a database, the snapshot written with its stamp, and the
// progress window's calls in order.
#include <gtest/gtest.h>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/catalogue.h"
#include "app/restore/profile_codec.h"
#include "app/restore/recovery_profile.h"
#include "helper/core/helper_setup.h"
#include "helper/core/profile_scan.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

class RecordingProgress : public ScanProgress {
 public:
  void Show(int maximum) override { calls.push_back("show " + std::to_string(maximum)); }
  void Step(int position) override { calls.push_back("step " + std::to_string(position)); }
  void Finish() override { calls.push_back("finish"); }
  std::vector<std::string> calls;
};

class ProfileScan : public testing::Test {
 protected:
  void SetUp() override {
    std::vector<FunctionRecord> functions(4);
    functions[1].Page = 9;
    functions[1].OnActions[0].KeyPath = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
    functions[1].OnActions[0].ValueName = "MenuShowDelay";
    functions[1].OnActions[0].ValueKind = KindText;
    functions[2].OnActions[2].KeyPath = "HKEY_LOCAL_MACHINE\\Software\\T";
    functions[2].OnActions[2].ValueName = "D";
    functions[2].OnActions[2].ValueKind = KindDword;
    files_.files["C:\\K\\Korvn2k.fkt"] = EncodeFunctionFile(functions);
    r_.registry.RegWriteString("HKEY_CURRENT_USER\\Control Panel\\Desktop", "MenuShowDelay", "400");
    job_.DatabasePath = "C:\\K\\Korvn2k.fkt";
    job_.OutputPath = "C:\\S\\KORVN2K.UND";
    job_.FunctionCount = 2;
    job_.Stamp = [] { return std::string("Montag, 7. Dez 2026#10:30"); };
  }

  test::HelperRegistry r_;
  test::MemoryFileStore files_;
  ProfileScanJob job_;
};

TEST_F(ProfileScan, WritesTheSnapshotWithItsMarker) {
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr));
  ASSERT_EQ(files_.files.count(job_.OutputPath), 1u);
  const ProfileTable table = DecodeProfile(files_.files[job_.OutputPath], 2);
  EXPECT_TRUE(IsValidProfile(table, 2));
  EXPECT_EQ(table[1].Page, 9);
  EXPECT_EQ(table[1].Entries[0].Data, "400");
  EXPECT_EQ(table[2].Entries[2].Data, "989898");
  EXPECT_EQ(table[4].Entries[1].KeyPath, "Montag, 7. Dez 2026#10:30");
  EXPECT_EQ(table[4].Entries[2].KeyPath, "2");
  EXPECT_EQ(files_.files.size(), 2u) << "no temporary file left";
}

TEST_F(ProfileScan, ProgressIsShownStepsThroughEveryFunctionAndFinishesAfterWriting) {
  RecordingProgress progress;
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, &progress));
  EXPECT_EQ(progress.calls, (std::vector<std::string>{"show 2", "step 0", "step 1", "step 2", "finish"}));
}

TEST_F(ProfileScan, AMissingDatabaseShowsNothingAndWritesNothing) {
  files_.files.erase(job_.DatabasePath);
  RecordingProgress progress;
  EXPECT_FALSE(RunProfileScan(r_.registry, files_, job_, &progress));
  EXPECT_TRUE(progress.calls.empty());
  EXPECT_TRUE(files_.files.empty());
}

TEST_F(ProfileScan, ReplacesAnExistingProfileCompletely) {
  files_.files[job_.OutputPath] = std::vector<std::uint8_t>(100000, 0xAA);
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr));
  EXPECT_LT(files_.files[job_.OutputPath].size(), 1000u);
  EXPECT_TRUE(IsValidProfile(DecodeProfile(files_.files[job_.OutputPath], 2), 2));
}

// The master profile is the only record of the settings before Korvane: a second plain scan (a
// repaired installation, a user starting the helper) leaves a valid one alone, a damaged one is taken anew.
TEST_F(ProfileScan, AValidMasterProfileIsNotReplacedWhenItIsKept) {
  job_.KeepValidProfile = true;
  ASSERT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr)) << "no undo file yet: written";
  const std::vector<std::uint8_t> first = files_.files[job_.OutputPath];
  r_.registry.RegWriteString("HKEY_CURRENT_USER\\Control Panel\\Desktop", "MenuShowDelay", "0");
  RecordingProgress progress;
  EXPECT_FALSE(RunProfileScan(r_.registry, files_, job_, &progress));
  EXPECT_EQ(files_.files[job_.OutputPath], first);
  EXPECT_TRUE(progress.calls.empty());

  files_.files[job_.OutputPath].resize(40);  // damaged: no marker
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr));
  EXPECT_EQ(DecodeProfile(files_.files[job_.OutputPath], 2)[1].Entries[0].Data, "0");
  job_.KeepValidProfile = false;  // "/MASTERSCAN"
  r_.registry.RegWriteString("HKEY_CURRENT_USER\\Control Panel\\Desktop", "MenuShowDelay", "400");
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr));
  EXPECT_EQ(DecodeProfile(files_.files[job_.OutputPath], 2)[1].Entries[0].Data, "400");
}

// A profile that cannot be written (disk full, no permission) is reported, and the old file stays.
TEST_F(ProfileScan, AFailedWriteIsReportedAndKeepsTheOldFile) {
  files_.files[job_.OutputPath] = {1, 2, 3};
  files_.diskFull = true;
  int reported = 0;
  job_.WriteFailed = [&reported] { ++reported; };
  RecordingProgress progress;
  EXPECT_FALSE(RunProfileScan(r_.registry, files_, job_, &progress));
  EXPECT_EQ(reported, 1);
  EXPECT_EQ(files_.files[job_.OutputPath], (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(progress.calls.back(), "finish");
  files_.diskFull = false;
  EXPECT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr));
  EXPECT_EQ(reported, 1);
}

// A damaged "FktAnzahl" (negative, or beyond 16 bits) is read by one rule in both programs: the
// profile the helper takes then is one the main program accepts and restores from.
TEST_F(ProfileScan, ADamagedFunctionCountGivesAProfileTheMainProgramRestoresFrom) {
  for (const std::int32_t damaged : {-1, -32768, 0x10005, 70000}) {
    r_.registry.RegWriteDword(kProductKey, "FktAnzahl", damaged);
    job_.FunctionCount = FunctionCount(r_.registry);
    ASSERT_TRUE(RunProfileScan(r_.registry, files_, job_, nullptr)) << damaged;
    const int programCount = ReadFktAnzahl(r_.registry);
    EXPECT_EQ(programCount, 299) << damaged;
    EXPECT_TRUE(IsUsableProfileFile(files_, job_.OutputPath, programCount)) << damaged;
    EXPECT_EQ(DecodeProfile(files_.files[job_.OutputPath], programCount)[1].Entries[0].Data, "400") << damaged;
  }
}

}  // namespace
}  // namespace kv::helper
