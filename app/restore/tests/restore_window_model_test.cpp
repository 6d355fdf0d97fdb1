// The restore window's logic: which functions a mode restores, what the list shows, the need bits,
// entries that do not belong to their function, failed writes, and loading the current profile.
#include <gtest/gtest.h>

#include "app/catalogue/read_cache_store.h"

#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"
#include "app/restore/profile_snapshot.h"
#include "app/restore/restore_window_model.h"
#include "app/restore/tests/memory_file_store.h"
#include "app/restore/tests/registry_fixture.h"

namespace kv {
namespace {

using test::kHklm;
using test::kKey;
using test::kSubKey;

constexpr const char* kUndo = "C:\\WINNT\\SYSTEM32\\KORVN2K.UND";
constexpr const char* kOther = "C:\\Profiles\\mine.prf";

RegistryAction Action(const std::string& name, std::int16_t kind) {
  RegistryAction a;
  a.KeyPath = kKey;
  a.ValueName = name;
  a.ValueKind = kind;
  return a;
}

// Refuses to write one value name, as for a value the user may not change.
class WriteRefusingStore : public MemoryRegistryStore {
 public:
  bool SetValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    if (name == refused) return false;
    return MemoryRegistryStore::SetValue(key, name, type, data);
  }
  std::string refused;
};

class Questions : public ProfileQuestions {
 public:
  bool UseMasterInstead() override {
    ++asked;
    return answer;
  }
  void MasterDamaged() override { ++damaged; }
  bool answer = true;
  int asked = 0, damaged = 0;
};

class Progress : public RestoreProgress {
 public:
  void LineAdded(const RestoreLine& line) override { events.push_back("+" + line.Caption); }
  void LineFinished(std::size_t index, const RestoreLine& line) override {
    events.push_back(std::to_string(index) + "=" + line.SubText);
  }
  std::vector<std::string> events;
};

// Four functions: 0 text (log-off), 1 DWORD (restart, page 2), 2 only a binary second entry, 3 none.
class RestoreWindow : public testing::Test {
 protected:
  void SetUp() override {
    catalogue_.FktAnzahl = 3;
    catalogue_.Functions.resize(5);
    Define(0, "Menu delay", 1, 0, {Action("Delay", KindText)});
    Define(1, "Auto reboot", 2, 1, {Action("Reboot", KindDword)});
    Define(2, "Colours", 1, 5, {RegistryAction{}, Action("Colours", KindBinary)});
    Define(3, "Nothing", 2, 0, {});
    registry_.RegWriteString(kKey, "Delay", "400");
    registry_.RegWriteDword(kKey, "Reboot", 1);  // "Colours" absent when the profile is taken
    WriteProfileFile(kUndo, TakeSnapshot(registry_, catalogue_.Functions, 3, "Montag, 7. Dez 2026#10:00"));
  }

  void Define(int n, const std::string& caption, int page, int level, std::vector<RegistryAction> on) {
    FunctionRecord& f = catalogue_.Functions[static_cast<std::size_t>(n)];
    f.Caption = caption;
    f.Page = static_cast<std::int16_t>(page);
    f.RestartLevel = static_cast<std::int16_t>(level);
    for (std::size_t d = 0; d < on.size(); ++d) f.OnActions[d] = on[d];
  }

  void WriteProfileFile(const std::string& path, const ProfileTable& table) { files_.files[path] = EncodeProfile(table); }

  void ChangeEverything() {
    registry_.RegWriteString(kKey, "Delay", "0");
    registry_.RegWriteDword(kKey, "Reboot", 0);
    registry_.RegWriteBinary(kKey, "Colours", "0102");
  }

  RestoreWindowModel& Opened(RestoreMode mode, int page = 0, int function = 0) {
    RestoreRequest request;
    request.Mode = mode;
    request.Page = page;
    request.FunctionNumber = function;
    request.ToolTitle = "System \\ Windows";
    request.TabCaption = "&Desktop";
    model_.Open(request);
    model_.LoadProfile(questions_);
    return model_;
  }

  std::string Text(int id) { return "T" + std::to_string(id); }

  WriteRefusingStore store_;
  Registry registry_{store_};
  Catalogue catalogue_;
  test::MemoryFileStore files_;
  std::string currentPath_;
  Questions questions_;
  RestoreWindowModel model_{currentPath_, kUndo, files_, catalogue_, [this](int id) { return Text(id); }};
};

TEST_F(RestoreWindow, OpeningTextsPerMode) {
  RestoreOpeningTexts group = Opened(RestoreMode::Group, 2).Texts();
  EXPECT_EQ(group.Heading, "T143");
  EXPECT_EQ(group.ListTitle, "T154System \\ Windows\\ Desktop");
  EXPECT_EQ(group.Headline, "T142 :  System \\ Windows\\ Desktop");
  RestoreOpeningTexts all = Opened(RestoreMode::All).Texts();
  EXPECT_EQ(all.Heading, "T150");
  EXPECT_EQ(all.ListTitle, "T155");
  EXPECT_EQ(all.Headline, "T142 :  T155");
  RestoreOpeningTexts one = Opened(RestoreMode::Single, 2, 1).Texts();
  EXPECT_EQ(one.Heading, "T144");
  EXPECT_EQ(one.ListTitle, "Auto reboot");
  EXPECT_EQ(one.Headline, "T142 :  T157");
  EXPECT_EQ(Opened(RestoreMode::Single, 0, 999).Texts().ListTitle, "");  // number outside the catalogue
}

TEST_F(RestoreWindow, SingleModeRestoresOnlyItsFunctionAndRaisesItsNeed) {
  ChangeEverything();
  Progress progress;
  RestoreResult result = Opened(RestoreMode::Single, 2, 1).Restore(registry_, &progress);
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 1);
  EXPECT_EQ(registry_.RegReadString(kKey, "Delay", ""), "0");  // other functions untouched
  ASSERT_EQ(model_.Lines().size(), 1u);
  EXPECT_EQ(model_.Lines()[0].Caption, "Auto reboot");
  EXPECT_EQ(model_.Lines()[0].SubText, "OK");
  EXPECT_EQ(progress.events, (std::vector<std::string>{"+Auto reboot", "0=OK"}));
  EXPECT_EQ(result.NeedBits, 2);  // restart level 1
  ASSERT_EQ(result.Functions.size(), 1u);
  EXPECT_EQ(result.Functions[0].Outcome, FunctionOutcome::Restored);
}

TEST_F(RestoreWindow, AllModeDeletesLaterValuesAndListsOnlyFunctionsWithAFirstEntry) {
  ChangeEverything();
  RestoreResult result = Opened(RestoreMode::All).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(kKey, "Delay", ""), "400");
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 1);
  std::vector<std::uint8_t> data;
  std::uint32_t type = 0;
  EXPECT_FALSE(store_.GetValue(kHklm, kSubKey, "Colours", &type, &data));  // absent when taken: deleted
  ASSERT_EQ(model_.Lines().size(), 2u);  // function 2 has no entry 0, function 3 no entries at all
  EXPECT_EQ(model_.Lines()[0].Caption, "Menu delay");
  EXPECT_EQ(model_.Lines()[1].Caption, "Auto reboot");
  EXPECT_EQ(result.Functions.size(), 3u);
  EXPECT_EQ(result.NeedBits, 0x23);  // levels 0, 1 and 5 (the exit only looks at bits 0 and 1)
}

TEST_F(RestoreWindow, SecondRunChangesNothingButListsTheSameLines) {
  ChangeEverything();
  Opened(RestoreMode::All).Restore(registry_, nullptr);
  const std::vector<RestoreLine> first = model_.Lines();
  RestoreResult again = model_.Restore(registry_, nullptr);
  EXPECT_EQ(again.NeedBits, 0);
  for (const FunctionRestore& f : again.Functions) EXPECT_EQ(f.Outcome, FunctionOutcome::Unchanged);
  ASSERT_EQ(model_.Lines().size(), first.size());
  for (const RestoreLine& line : model_.Lines()) EXPECT_EQ(line.SubText, "OK");
}

TEST_F(RestoreWindow, GroupModeSelectsByThePageStoredInTheProfile) {
  ProfileTable table = ReadProfile(files_, kUndo, 3);
  table[0].Page = 7;  // the profile files function 0 under page 7, the catalogue under page 1
  WriteProfileFile(kUndo, table);
  ChangeEverything();
  Opened(RestoreMode::Group, 7).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(kKey, "Delay", ""), "400");
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 0);
  ASSERT_EQ(model_.Lines().size(), 1u);
  EXPECT_EQ(model_.Lines()[0].Caption, "Menu delay");
}

TEST_F(RestoreWindow, EntryThatIsNotTheFunctionsValueIsLeftAloneAndReported) {
  ProfileTable table = ReadProfile(files_, kUndo, 3);
  table[0].Entries[0].KeyPath = "HKEY_LOCAL_MACHINE\\Software";  // damaged: would delete the whole key
  table[0].Entries[0].ValueName = "";
  table[0].Entries[0].Data = "NoKey";
  table[0].Entries[1] = table[1].Entries[0];                      // and a value of another function
  WriteProfileFile(kUndo, table);
  ChangeEverything();
  RestoreResult result = Opened(RestoreMode::Single, 1, 0).Restore(registry_, nullptr);
  EXPECT_TRUE(store_.KeyExists(kHklm, "Software"));
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 0);
  ASSERT_EQ(model_.Lines().size(), 1u);
  EXPECT_EQ(model_.Lines()[0].SubText, "T812");
  EXPECT_EQ(result.FailedCount(), 1);
  EXPECT_EQ(result.NeedBits, 0);
  EXPECT_TRUE(EntryFitsAction(Action("delay", KindText), catalogue_.Functions[0].OnActions[0]));  // case-insensitive
  EXPECT_FALSE(EntryFitsAction(Action("Delay", KindDword), catalogue_.Functions[0].OnActions[0]));
}

// What the window shows as "differing" after a restore: the preview's count, read afresh.
int PreviewDiffering(const RestoreWindowModel& model, const Registry& registry) {
  int n = 0;
  for (const PreviewLine& line : model.Preview(registry)) n += line.Differs ? 1 : 0;
  return n;
}

TEST_F(RestoreWindow, RefusedWriteIsReportedNotShownAsOk) {
  ChangeEverything();
  store_.refused = "Delay";
  RestoreResult result = Opened(RestoreMode::All).Restore(registry_, nullptr);
  EXPECT_EQ(model_.Lines()[0].SubText, "T812");
  EXPECT_EQ(model_.Lines()[1].SubText, "OK");  // the remaining functions are still restored
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 1);
  EXPECT_EQ(result.FailedCount(), 1);
  EXPECT_EQ(result.NeedBits, 0x22);  // not the log-off bit of the function that failed
  EXPECT_EQ(result.DifferingCount(), 1);
  EXPECT_EQ(result.DifferingCount(), PreviewDiffering(model_, registry_));

  // The same in a batch, as the window restores: the read-back of the refused write still finds it out.
  ChangeEverything();
  ReadCacheStore batch(store_);
  Registry batched(batch);
  const RestoreResult again = Opened(RestoreMode::All).Restore(batched, nullptr);
  EXPECT_EQ(model_.Lines()[0].SubText, "T812");
  EXPECT_EQ(model_.Lines()[1].SubText, "OK");
  EXPECT_EQ(again.FailedCount(), 1);
  EXPECT_EQ(again.DifferingCount(), PreviewDiffering(model_, batched));
}

// A value the scan could not read is not taken for an absent one (the restore would delete it), and a
// value too long for the format is not cut short: both are left out and the list says why.
TEST_F(RestoreWindow, ValuesTheScanCouldNotSaveAreLeftAloneAndExplained) {
  registry_.RegWriteDword(kKey, "Reboot", 0);
  registry_.RegWriteBinary(kKey, "Colours", std::string(2 * 40000, 'A'));  // 40000 bytes: 80000 hex digits
  store_.DenyReading(kHklm, kSubKey);
  WriteProfileFile(kUndo, TakeSnapshot(registry_, catalogue_.Functions, 3, "stamp"));
  store_.DenyReading(kHklm, kSubKey, false);
  registry_.RegWriteString(kKey, "Delay", "100");
  registry_.RegWriteDword(kKey, "Reboot", 1);
  registry_.RegWriteBinary(kKey, "Colours", "01");
  Opened(RestoreMode::All).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(kKey, "Delay", ""), "100") << "not deleted as if it had been absent";
  EXPECT_EQ(registry_.RegReadDword(kKey, "Reboot", 0), 1);
  EXPECT_EQ(registry_.RegReadBinary(kKey, "Colours", ""), "01");
  ASSERT_EQ(model_.Lines().size(), 2u);
  EXPECT_EQ(model_.Lines()[0].SubText, "T819");
  EXPECT_EQ(model_.Lines()[1].SubText, "T819");

  registry_.RegWriteBinary(kKey, "Colours", std::string(2 * 40000, 'A'));
  const ProfileTable table = TakeSnapshot(registry_, catalogue_.Functions, 3, "stamp");
  EXPECT_EQ(table[2].Entries[1].Data, "TOOLONG");
  EXPECT_EQ(table[5].Entries[2].KeyPath, "2") << "left-out values are not counted";
  WriteProfileFile(kUndo, table);
  registry_.RegWriteBinary(kKey, "Colours", "02");
  RestoreResult result = Opened(RestoreMode::Single, 1, 2).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadBinary(kKey, "Colours", ""), "02");
  EXPECT_EQ(result.DifferingCount(), PreviewDiffering(model_, registry_)) << "left-out values are not compared";
  ASSERT_EQ(result.Functions.size(), 1u);
  EXPECT_EQ(result.Functions[0].LeftOut, LeftOutReason::TooLong);
}

// With automatic log-on Windows keeps the password in clear text; profiles never copy it, and a
// restore leaves it alone and says why.
TEST_F(RestoreWindow, TheAutoLogonPasswordIsNeverCopiedIntoAProfile) {
  const std::string winlogon = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
  FunctionRecord& logon = catalogue_.Functions[3];
  logon.OnActions[0] = {winlogon, "AutoAdminLogon", "1", KindText, 0};
  logon.OnActions[1] = {winlogon, "DefaultPassword", "", KindText, 0};
  registry_.RegWriteString(winlogon, "AutoAdminLogon", "1");
  registry_.RegWriteString(winlogon, "DefaultPassword", "Geheim!42");
  const ProfileTable table = TakeSnapshot(registry_, catalogue_.Functions, 3, "stamp");
  const std::vector<std::uint8_t> bytes = EncodeProfile(table);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("Geheim!42"), std::string::npos);
  WriteProfileFile(kUndo, table);

  registry_.RegWriteString(winlogon, "AutoAdminLogon", "0");
  registry_.RegWriteString(winlogon, "DefaultPassword", "Neu");
  RestoreResult result = Opened(RestoreMode::Single, 2, 3).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(winlogon, "AutoAdminLogon", ""), "1");
  EXPECT_EQ(registry_.RegReadString(winlogon, "DefaultPassword", ""), "Neu") << "neither deleted nor written";
  ASSERT_EQ(model_.Lines().size(), 1u);
  EXPECT_EQ(model_.Lines()[0].SubText, "T821");
  EXPECT_EQ(result.Functions[0].Outcome, FunctionOutcome::Restored);
}

// The master profile's per-user values are the settings of the user who installed: another user who
// restores from it keeps his own (and is told), the installing user gets them back, and a recovery
// profile of one's own is restored whole.
TEST_F(RestoreWindow, AnotherUserKeepsHisOwnPerUserSettings) {
  const std::string desktop = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
  catalogue_.Functions[3].OnActions[0] = {desktop, "MenuShowDelay", "0", KindText, 0};
  catalogue_.Functions[3].OnActions[1] = Action("Machine", KindText);
  registry_.RegWriteString(desktop, "MenuShowDelay", "400");
  registry_.RegWriteString(kKey, "Machine", "before");
  const ProfileTable table = TakeSnapshot(registry_, catalogue_.Functions, 3, "stamp");
  WriteProfileFile(kUndo, table);
  WriteProfileFile(kOther, table);
  RecordMasterProfileUser(registry_, "PC\\Anna");
  const auto change = [&] {
    registry_.RegWriteString(desktop, "MenuShowDelay", "0");
    registry_.RegWriteString(kKey, "Machine", "after");
  };

  change();
  model_.SetCurrentUser("PC\\Ben");
  const RestoreResult skipped = Opened(RestoreMode::Single, 2, 3).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(desktop, "MenuShowDelay", ""), "0") << "Ben's own setting stays";
  EXPECT_EQ(skipped.DifferingCount(), 1) << "the value left to Ben still differs from the profile";
  EXPECT_EQ(skipped.DifferingCount(), PreviewDiffering(model_, registry_));
  EXPECT_EQ(registry_.RegReadString(kKey, "Machine", ""), "before");
  ASSERT_EQ(model_.Lines().size(), 1u);
  EXPECT_EQ(model_.Lines()[0].SubText, "T822");

  model_.SetCurrentUser("pc\\ANNA");
  Opened(RestoreMode::Single, 2, 3).Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(desktop, "MenuShowDelay", ""), "400");
  EXPECT_EQ(model_.Lines()[0].SubText, "OK");

  change();
  model_.SetCurrentUser("PC\\Ben");
  Opened(RestoreMode::Single, 2, 3);
  model_.ChooseProfile(kOther, questions_);
  model_.Restore(registry_, nullptr);
  EXPECT_EQ(registry_.RegReadString(desktop, "MenuShowDelay", ""), "400") << "a recovery profile is restored whole";
}

TEST_F(RestoreWindow, MissingChosenProfileFallsBackToTheMasterSilently) {
  currentPath_ = kOther;
  Opened(RestoreMode::All);
  EXPECT_EQ(currentPath_, kUndo);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::Master);
  EXPECT_TRUE(model_.RestoreShown());
  EXPECT_EQ(questions_.asked, 0);
}

TEST_F(RestoreWindow, ChosenProfileStaysCurrentAndInvalidOneOffersTheMaster) {
  files_.files[kOther] = files_.files[kUndo];
  Opened(RestoreMode::All);
  model_.ChooseProfile("", questions_);  // open dialog cancelled
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::Master);
  model_.ChooseProfile(kOther, questions_);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::File);
  EXPECT_EQ(currentPath_, kOther);
  Opened(RestoreMode::Single, 1, 0);  // reopened: the chosen profile is still current
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::File);

  files_.files[kOther] = EncodeProfile(ProfileTable(6));  // no marker
  questions_.answer = false;
  model_.LoadProfile(questions_);
  EXPECT_EQ(questions_.asked, 1);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::None);
  EXPECT_FALSE(model_.RestoreShown());
  EXPECT_TRUE(model_.Restore(registry_, nullptr).Functions.empty());
  questions_.answer = true;
  model_.LoadProfile(questions_);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::Master);
  EXPECT_EQ(currentPath_, kUndo);
}

TEST_F(RestoreWindow, ProfileOfAnotherFunctionCountIsRefused) {
  ProfileTable wider = TakeSnapshot(registry_, catalogue_.Functions, 4, "stamp");
  files_.files[kOther] = EncodeProfile(wider);
  questions_.answer = false;
  currentPath_ = kOther;
  Opened(RestoreMode::All);
  EXPECT_EQ(questions_.asked, 1);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::None);
}

TEST_F(RestoreWindow, DamagedMasterIsReportedOnceInsteadOfOfferedAgain) {
  files_.files[kUndo] = {1, 2, 3};
  Opened(RestoreMode::All);
  EXPECT_EQ(questions_.damaged, 1);
  EXPECT_EQ(questions_.asked, 0);
  EXPECT_FALSE(model_.RestoreShown());
  model_.ChooseMaster(questions_);  // already current: not reloaded
  EXPECT_EQ(questions_.damaged, 1);
}

TEST_F(RestoreWindow, NoUndoFileLeavesTheWindowAsItWas) {
  files_.files.clear();
  Opened(RestoreMode::All);
  EXPECT_EQ(model_.BoxKind(), ProfileBoxKind::Empty);
  EXPECT_FALSE(model_.RestoreShown());
}

}  // namespace
}  // namespace kv
