// Creating a recovery profile: the information box switch, the file name rules, the overwrite
// question and the helper's command line; which files count as usable profiles, and how seldom the
// undo file is read to tell.
#include <gtest/gtest.h>

#include "app/restore/profile_codec.h"
#include "app/restore/recovery_profile.h"
#include "app/restore/tests/memory_file_store.h"
#include "app/restore/tests/registry_fixture.h"
#include "app/restore/undo_file_check.h"

namespace kv {
namespace {

class FakeUi : public ProfileCreationUi {
 public:
  bool ShowProfileInfo() override {
    calls.push_back("info");
    return tickInfo;
  }
  std::string AskProfileFile(const std::string& proposed) override {
    calls.push_back("ask " + proposed);
    return chosen;
  }
  bool ConfirmReplace() override {
    calls.push_back("replace?");
    return replace;
  }
  void RefuseProfileName() override { calls.push_back("refused"); }
  void StartHelper(const std::string& commandLine) override { calls.push_back("start " + commandLine); }

  bool tickInfo = false, replace = false;
  std::string chosen;
  std::vector<std::string> calls;
};

class CreateProfile : public test::RegistryFixture {
 protected:
  std::string Create() { return CreateRecoveryProfile(ui_, registry_, files_, setup_); }
  std::int32_t ProfilInfo() { return registry_.RegReadDword(kProfileInfoKey, kProfileInfoValue, 12345); }

  FakeUi ui_;
  test::MemoryFileStore files_;
  ProfileCreationSetup setup_{"C:\\WINNT\\system32\\", "C:\\Korvane\\", 1234};
};

TEST_F(CreateProfile, FirstTimeShowsTheInformationAndStartsTheHelper) {
  ui_.chosen = "C:\\Korvane\\today";
  EXPECT_EQ(Create(), "C:\\Korvane\\today.prf");
  EXPECT_EQ(ui_.calls, (std::vector<std::string>{
                           "info", "ask C:\\Korvane\\*.prf",
                           "start \"C:\\WINNT\\system32\\KORVNST.EXE\" /UNDOSCAN#C:\\Korvane\\today.prf#PROGRESS#1234"}));
  EXPECT_EQ(ProfilInfo(), -1);  // box closed without the tick: shown again next time
}

TEST_F(CreateProfile, TickedInformationIsNotShownAgain) {
  ui_.tickInfo = true;
  Create();
  EXPECT_EQ(ProfilInfo(), 0);
  ui_.calls.clear();
  Create();
  EXPECT_EQ(ui_.calls, (std::vector<std::string>{"ask C:\\Korvane\\*.prf"}));  // cancelled: nothing more
}

TEST_F(CreateProfile, ExistingFileIsReplacedOnlyOnYes) {
  registry_.RegWriteDword(kProfileInfoKey, kProfileInfoValue, 0);
  ui_.chosen = "C:\\p\\old.PRF";
  files_.files["C:\\p\\old.PRF"] = {1};
  EXPECT_EQ(Create(), "");
  EXPECT_EQ(ui_.calls.back(), "replace?");
  ui_.replace = true;
  EXPECT_EQ(Create(), "C:\\p\\old.PRF");
  EXPECT_EQ(ui_.calls.back().rfind("start ", 0), 0u);
}

TEST_F(CreateProfile, NameWithFieldSeparatorIsRefused) {
  registry_.RegWriteDword(kProfileInfoKey, kProfileInfoValue, 0);
  ui_.chosen = "C:\\p\\a#b.prf";
  files_.files["C:\\p\\a"] = {1};  // what the helper would have overwritten without asking
  EXPECT_EQ(Create(), "");
  EXPECT_EQ(ui_.calls.back(), "refused");
}

TEST(RecoveryProfileNames, ExtensionAndComparison) {
  EXPECT_EQ(WithProfileExtension("x"), "x.prf");
  EXPECT_EQ(WithProfileExtension("x.prf"), "x.prf");
  EXPECT_EQ(WithProfileExtension("X.PrF"), "X.PrF");
  EXPECT_EQ(WithProfileExtension("prf"), "prf.prf");
  EXPECT_EQ(WithProfileExtension("x.prf.txt"), "x.prf.txt.prf");
  EXPECT_TRUE(SameProfilePath("c:\\winnt\\system32\\korvn2k.und", "C:\\WINNT\\SYSTEM32\\KORVN2K.UND"));
  EXPECT_FALSE(SameProfilePath("C:\\a.prf", "C:\\b.prf"));
  EXPECT_FALSE(IsAcceptedProfileName(""));
}

TEST(RecoveryProfileFiles, UsableOnlyWhenPresentWithMarkerForThisOrASmallerCount) {
  test::MemoryFileStore files;
  EXPECT_FALSE(IsUsableProfileFile(files, "u", 3));
  ProfileTable table(6);
  files.files["u"] = EncodeProfile(table);
  EXPECT_FALSE(IsUsableProfileFile(files, "u", 3));
  table[5] = MakeMarkerRecord("stamp", 0);
  files.files["u"] = EncodeProfile(table);
  EXPECT_TRUE(IsUsableProfileFile(files, "u", 3));
  // Taken before an update raised the count: still usable; taken for a larger count: not.
  EXPECT_TRUE(IsUsableProfileFile(files, "u", 4));
  EXPECT_FALSE(IsUsableProfileFile(files, "u", 2));
}

// A user clicking through the trees asks many times whether the master profile is usable: the undo
// file is read once, and again only when it was replaced (other size or time) or after a restore or scan.
TEST(RecoveryProfileFiles, TheUndoFileIsReadAgainOnlyWhenItChangedOrAfterARestore) {
  class CountingStore : public test::MemoryFileStore {
   public:
    bool ReadAll(const std::string& path, std::vector<std::uint8_t>* bytes) override {
      ++reads;
      return MemoryFileStore::ReadAll(path, bytes);
    }
    int reads = 0;
  } files;
  std::uint64_t time = 1;
  UndoFileCheck check(files, [&](const std::string& path) {
    FileStamp stamp;
    stamp.Exists = files.Exists(path);
    if (stamp.Exists) stamp.Size = files.files[path].size();
    stamp.Time = time;
    return stamp;
  });
  ProfileTable table(6);
  table[5] = MakeMarkerRecord("stamp", 0);
  files.files["u"] = EncodeProfile(table);

  for (int click = 0; click < 500; ++click) ASSERT_TRUE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 1);

  files.files["u"].resize(40);  // damaged: another size
  EXPECT_FALSE(check.Usable("u", 3));
  EXPECT_FALSE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 2);

  files.files["u"] = EncodeProfile(table);  // put back whole
  time = 2;
  EXPECT_TRUE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 3);
  ++time;  // same size, newer time
  EXPECT_TRUE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 4);

  check.Forget();  // a restore or a profile scan
  EXPECT_TRUE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 5);
  // A larger count reads a smaller one's profile as its own (an update); a smaller count cannot.
  EXPECT_FALSE(check.Usable("u", 2)) << "another function count is asked afresh";

  files.files.erase("u");
  EXPECT_FALSE(check.Usable("u", 3));
  EXPECT_EQ(files.reads, 6) << "a missing file is not read";
}

}  // namespace
}  // namespace kv
