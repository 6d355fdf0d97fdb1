// The profile scan: nothing without a database, the snapshot written with its stamp, the
// progress window's calls in order, and a disk that fails at any step of writing the profile.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/catalogue_file.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"
#include "app/restore/recovery_profile.h"
#include "app/restore/tests/fault_injecting_file_store.h"
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

// The undo file and a recovery profile on a real disk that fails at each step of the write in turn:
// creating the temporary file, each of its 64 KB pieces, the flush to the disk, the close and the
// replacement of the old file. After every failure the old profile is byte for byte what it was and
// still a valid profile, no temporary file is left, and the user is told (WriteFailed is the
// helper's message box). Once the chosen step lies past the last one the same scan succeeds.
TEST(ProfileScanWriteFaults, EveryFailingStepKeepsTheOldProfileWholeAndTellsTheUser) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "kv-scan-write-faults";
  fs::remove_all(dir);
  fs::create_directories(dir);
  StdioFileStore disk;
  // Three functions whose texts are long enough to make a profile of three pieces.
  std::vector<FunctionRecord> functions(5);
  for (int i : {1, 2, 3}) {
    functions[i].OnActions[0].KeyPath = "HKEY_CURRENT_USER\\Software\\T";
    functions[i].OnActions[0].ValueName = "V" + std::to_string(i);
    functions[i].OnActions[0].ValueKind = KindText;
  }
  const std::string database = (dir / "Korvn2k.fkt").string();
  ASSERT_TRUE(disk.WriteNew(database, EncodeFunctionFile(functions)));
  test::HelperRegistry r;
  ProfileScanJob job;
  job.DatabasePath = database;
  job.FunctionCount = 3;
  job.Stamp = [] { return std::string("Montag, 7. Dez 2026#10:30"); };
  int reported = 0;
  job.WriteFailed = [&reported] { ++reported; };

  for (const char* name : {"KORVN2K.UND", "recovery.prf"}) {
    SCOPED_TRACE(name);
    job.OutputPath = (dir / name).string();
    for (const char* value : {"V1", "V2", "V3"})
      r.registry.RegWriteString("HKEY_CURRENT_USER\\Software\\T", value, std::string(50000, 'o'));
    ASSERT_TRUE(RunProfileScan(r.registry, disk, job, nullptr));
    std::vector<std::uint8_t> old;
    ASSERT_TRUE(disk.ReadAll(job.OutputPath, &old));
    ASSERT_GT(old.size(), 2u * 64 * 1024);
    r.registry.RegWriteString("HKEY_CURRENT_USER\\Software\\T", "V1", std::string(50000, 'n'));

    std::vector<std::string> allSteps;
    for (int step = 0; step < 100; ++step) {
#ifdef _WIN32
      const bool undo = std::string(name) == "KORVN2K.UND";
      kv::test::FaultInjectingFileStore files(step, undo ? FileAccess::AdministratorsOnly : FileAccess::Inherited);
#else
      kv::test::FaultInjectingFileStore files(step);
#endif
      reported = 0;
      const bool written = RunProfileScan(r.registry, files, job, nullptr);
      SCOPED_TRACE("steps: " + files.Log());
      if (!files.failed) {
        EXPECT_TRUE(written);
        EXPECT_EQ(reported, 0);
        allSteps = files.steps;
        break;
      }
      EXPECT_FALSE(written);
      EXPECT_EQ(reported, 1) << "the user is not told";
      std::vector<std::uint8_t> now;
      ASSERT_TRUE(disk.ReadAll(job.OutputPath, &now));
      EXPECT_EQ(now, old) << "the old profile was changed";
      EXPECT_TRUE(IsValidProfile(ReadProfile(disk, job.OutputPath, 3), 3));
      EXPECT_FALSE(disk.Exists(TemporaryPathFor(job.OutputPath))) << "temporary file left behind";
    }
    EXPECT_EQ(allSteps, (std::vector<std::string>{"create", "write", "write", "write", "flush", "close", "replace"}));
    const ProfileTable table = ReadProfile(disk, job.OutputPath, 3);
    EXPECT_TRUE(IsValidProfile(table, 3));
    EXPECT_EQ(table[1].Entries[0].Data, std::string(50000, 'n'));
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace kv::helper
