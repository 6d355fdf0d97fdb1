// The options dialog's model against the in-memory registry: loading with defaults, what a save writes
// and what takes effect in memory, the password rules and the store's failure paths.
#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/mainwin/core/bar_layout.h"
#include "app/mainwin/core/scramble_text.h"
#include "app/mainwin/options/core/options_model.h"
#include "app/mainwin/options/core/options_store.h"
#include "app/mainwin/options/core/password_rules.h"

namespace kv {
namespace {

constexpr std::uint32_t kHkcu = 0x80000001, kHklm = 0x80000002;
const char kMainSetSub[] = "Software\\Quorbel\\Korvane2k\\MainSet";
const char kPasswordSub[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

class OptionsModelTest : public ::testing::Test {
 protected:
  void SetUp() override { BuildMainBarLayout(bar_); }

  OptionsModel& Open(unsigned waveDevices = 1) {
    model_ = std::make_unique<OptionsModel>(reg_, settings_, bar_, waveDevices);
    model_->Load();
    model_->EndLoad();
    return *model_;
  }
  bool Has(std::uint32_t root, const char* sub, const char* name) const {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    return store_.GetValue(root, sub, name, &type, &data);
  }
  int Dword(const char* name) const { return reg_.RegReadDword(kMainSetKey, name, 12345); }
  std::string StoredPassword() const { return reg_.RegReadString(kPasswordKey, kPasswordValue, ""); }

  MemoryRegistryStore store_;
  Registry reg_{store_};
  ProgramSettings settings_;
  BarModel bar_;
  std::unique_ptr<OptionsModel> model_;
};

TEST_F(OptionsModelTest, LoadsDefaultsFromAnEmptyRegistry) {
  OptionsModel& m = Open();
  for (int i = 0; i < kOptionCheckCount; ++i)
    EXPECT_EQ(m.Check(i), i == kCheckMenuAnimation ? kUnticked : kTicked) << "Check1 " << i;
  EXPECT_FALSE(m.PasswordTicked());
  EXPECT_FALSE(m.PasswordBoxesEnabled());
  EXPECT_EQ(m.BackStyle(), kBackGradient);
  EXPECT_EQ(m.Colour(0), BandLook().BackColor);
  EXPECT_EQ(m.Colour(3), BandLook().ToolTextColor);
  EXPECT_FALSE(m.ApplyEnabled());
}

TEST_F(OptionsModelTest, LoadsFromMemoryRegistryAndBand) {
  settings_.SaveLastWinPos = false;
  settings_.ViewSaveInfo = false;
  reg_.RegWriteDword(kMainSetKey, "ShowSysTray", 0);
  reg_.RegWriteDword(kMainSetKey, "ViewAppLogo", 7);  // any non-zero is true
  bar_.SetMenuAnimation(1);
  BandLook look;
  look.BackStyle = kBackPattern;
  look.ToolTextColor = 0x00FF00;
  bar_.SetBandLook(kSideBarBand, look);
  reg_.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("geheim", kScramble));
  OptionsModel& m = Open();
  EXPECT_EQ(m.Check(kCheckSaveLastWinPos), kUnticked);
  EXPECT_EQ(m.Check(kCheckViewSaveInfo), kUnticked);
  EXPECT_EQ(m.Check(kCheckShowSysTray), kUnticked);
  EXPECT_EQ(m.Check(kCheckViewAppLogo), kTicked);
  EXPECT_EQ(m.Check(kCheckMenuAnimation), kTicked);
  EXPECT_EQ(m.BackStyle(), kBackPattern);
  EXPECT_EQ(m.Colour(3), 0x00FF00u);
  EXPECT_TRUE(m.PasswordTicked());
  EXPECT_EQ(m.PasswordText(0), "geheim");
  EXPECT_EQ(m.PasswordText(1), "geheim");
}

TEST_F(OptionsModelTest, InputWhileLoadingIsIgnoredAndEveryChangeEnablesApply) {
  OptionsModel m(reg_, settings_, bar_, 1);
  m.Load();
  m.SetCheck(kCheckDlgFade, false);
  m.EditPassword(0, "abc");
  EXPECT_EQ(m.Check(kCheckDlgFade), kTicked);
  EXPECT_EQ(m.PasswordText(0), "");
  EXPECT_FALSE(m.ApplyEnabled());
  m.EndLoad();

  m.SelectBackStyle(kBackGradient);  // the same entry clicked again still counts
  EXPECT_TRUE(m.ApplyEnabled());
  OptionsMessage msg;
  m.PressApply(&msg);
  EXPECT_FALSE(m.ApplyEnabled());
  m.ColourChosen(0, m.Colour(0));  // the same colour: no change
  EXPECT_FALSE(m.ApplyEnabled());
  m.ColourChosen(0, 0xFF123456);  // bits above the colour are dropped
  EXPECT_EQ(m.Colour(0), 0x123456u);
  EXPECT_TRUE(m.ApplyEnabled());
  m.SelectBackStyle(3);  // no such entry
  m.ColourChosen(4, 0);
  m.SetCheck(8, true);
  EXPECT_EQ(m.BackStyle(), kBackGradient);
}

TEST_F(OptionsModelTest, OkWritesEveryOptionAndActsInMemoryAtOnce) {
  OptionsModel& m = Open();
  m.SetCheck(kCheckSaveLastWinPos, false);
  m.SetCheck(kCheckSoundEffekts, false);
  m.SetCheck(kCheckShowSysTray, false);
  m.SetCheck(kCheckViewLastTool, false);
  m.SetCheck(kCheckDlgFade, false);
  m.SetCheck(kCheckMenuAnimation, true);
  m.SetCheck(kCheckViewSaveInfo, false);
  m.SelectBackStyle(kBackSingleColour);
  m.ColourChosen(2, 0x0000FF);
  OptionsMessage msg{1, 1};
  ASSERT_TRUE(m.PressOk(&msg));
  EXPECT_TRUE(m.Closed());
  EXPECT_EQ(msg.Text, 0);

  EXPECT_FALSE(settings_.SaveLastWinPos);
  EXPECT_FALSE(settings_.SoundEffekts);
  EXPECT_FALSE(settings_.DlgFade);
  EXPECT_FALSE(settings_.ViewLastTool);
  EXPECT_FALSE(settings_.ViewSaveInfo);
  EXPECT_EQ(settings_.MenuAnimation, 1);
  EXPECT_EQ(bar_.MenuAnimation(), 1);
  EXPECT_EQ(bar_.Band(kSideBarBand)->Look.BackStyle, kBackSingleColour);
  EXPECT_EQ(bar_.Band(kSideBarBand)->Look.FolderTextColor, 0x0000FFu);

  EXPECT_EQ(Dword("SaveLastWinPos"), 0);
  EXPECT_EQ(Dword("SoundEffekts"), 0);
  EXPECT_EQ(Dword("ShowSysTray"), 0);
  EXPECT_EQ(Dword("ViewAppLogo"), -1);
  EXPECT_EQ(Dword("DlgFade"), 0);
  EXPECT_EQ(Dword("MenuAnimation"), 1);
  EXPECT_EQ(Dword("ViewSaveInfo"), 0);
  EXPECT_EQ(Dword("ViewLastTool"), 12345) << "kept in memory, written at exit";
  EXPECT_EQ(Dword("SbBackStyle"), 0);
  EXPECT_EQ(Dword("SbBackColor"), static_cast<int>(BandLook().BackColor));
  EXPECT_EQ(Dword("SbFldrTxtColor"), 0x0000FF);
  EXPECT_EQ(Dword("SbToolTxtColor"), 0xFFFFFF);
  EXPECT_FALSE(Has(kHklm, kPasswordSub, kPasswordValue));
}

TEST_F(OptionsModelTest, CancelWritesNothingAndChangesNothing) {
  OptionsModel& m = Open();
  m.SetCheck(kCheckDlgFade, false);
  m.SetPasswordTicked(true);
  m.EditPassword(0, "secret");
  m.EditPassword(1, "secret");
  m.PressCancel();
  EXPECT_TRUE(m.Closed());
  EXPECT_TRUE(settings_.DlgFade);
  EXPECT_FALSE(store_.KeyExists(kHkcu, kMainSetSub));
  EXPECT_FALSE(Has(kHklm, kPasswordSub, kPasswordValue));
}

TEST_F(OptionsModelTest, NoSoundDeviceGreysTheBoxAndKeepsTheStoredChoice) {
  reg_.RegWriteDword(kMainSetKey, "SoundEffekts", -1);
  OptionsModel& m = Open(0);
  EXPECT_EQ(m.Check(kCheckSoundEffekts), kGreyed);
  EXPECT_FALSE(m.CheckEnabled(kCheckSoundEffekts));
  m.SetCheck(kCheckSoundEffekts, false);  // cannot be changed
  EXPECT_EQ(m.Check(kCheckSoundEffekts), kGreyed);
  ASSERT_TRUE(m.PressOk(nullptr));
  EXPECT_TRUE(settings_.SoundEffekts);
  EXPECT_EQ(Dword("SoundEffekts"), -1);
}

TEST_F(OptionsModelTest, SettingAPasswordStoresTheConfirmationAsTypedScrambled) {
  OptionsModel& m = Open();
  EXPECT_TRUE(m.SetPasswordTicked(true)) << "focus goes to the first box on tab 0";
  EXPECT_TRUE(m.PasswordBoxesEnabled());
  m.EditPassword(0, "Korvane");
  m.EditPassword(1, "KORVANE");  // differs only in letter case: accepted
  OptionsMessage msg;
  ASSERT_TRUE(m.PressOk(&msg));
  EXPECT_EQ(StoredPassword(), ScrambleText("KORVANE", kScramble));
  EXPECT_EQ(ReadClearPassword(reg_), "KORVANE");
}

TEST_F(OptionsModelTest, RefusedPasswordsStoreNothingAndSayWhy) {
  struct Case {
    const char* Password;
    const char* Confirmation;
    int Text;
  } cases[] = {{"ab", "ab", 117},           {"abcdefghijk", "abcdefghijk", 117}, {"abcd", "abce", 116},
               {"ab", "xy", 116},           {"", "", 117},                       {"\xe4\x62\x63", "\xc4\x42\x43", 116}};
  for (const Case& c : cases) {
    OptionsModel& m = Open();
    m.SetCheck(kCheckDlgFade, false);
    m.SetPasswordTicked(true);
    m.EditPassword(0, c.Password);
    m.EditPassword(1, c.Confirmation);
    OptionsMessage msg;
    EXPECT_FALSE(m.PressOk(&msg)) << c.Password;
    EXPECT_FALSE(m.Closed());
    EXPECT_EQ(msg.Headline, 114);
    EXPECT_EQ(msg.Text, c.Text) << c.Password << " / " << c.Confirmation;
    EXPECT_TRUE(settings_.DlgFade) << "nothing taken over";
    EXPECT_FALSE(store_.KeyExists(kHkcu, kMainSetSub));
    EXPECT_FALSE(Has(kHklm, kPasswordSub, kPasswordValue));
  }
}

TEST_F(OptionsModelTest, ApplyAfterARefusedPasswordStillGreysApply) {
  OptionsModel& m = Open();
  m.SetPasswordTicked(true);
  m.EditPassword(0, "ab");
  m.EditPassword(1, "ab");
  ASSERT_TRUE(m.ApplyEnabled());
  OptionsMessage msg;
  EXPECT_FALSE(m.PressApply(&msg));
  EXPECT_EQ(msg.Text, 117);
  EXPECT_FALSE(m.ApplyEnabled());
  EXPECT_FALSE(m.Closed());
}

TEST_F(OptionsModelTest, UntickingRemovesThePasswordAndAnUnchangedOneIsNotRewritten) {
  reg_.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("alpha", kScramble));
  {
    OptionsModel& m = Open();
    m.SetCheck(kCheckDlgFade, false);
    // An unchanged password needs no write: a value that cannot be replaced does not matter then.
    store_.PutValue(kHklm, kPasswordSub, kPasswordValue, kRegSz, {});
    reg_.RegWriteString(kPasswordKey, kPasswordValue, ScrambleText("alpha", kScramble));
    ASSERT_TRUE(m.PressApply(nullptr));
    EXPECT_EQ(ReadClearPassword(reg_), "alpha");
  }
  OptionsModel& m = Open();
  m.SetPasswordTicked(false);
  EXPECT_FALSE(m.PasswordBoxesEnabled());
  ASSERT_TRUE(m.PressOk(nullptr));
  EXPECT_FALSE(Has(kHklm, kPasswordSub, kPasswordValue));
  EXPECT_EQ(ReadClearPassword(reg_), "");
}

TEST_F(OptionsModelTest, AnEmptyStoredPasswordCountsAsNone) {
  reg_.RegWriteString(kPasswordKey, kPasswordValue, "");
  OptionsModel& m = Open();
  EXPECT_FALSE(m.PasswordTicked());
  EXPECT_EQ(m.PasswordText(0), "");
}

// A registry store whose writes to one root fail, as the machine key does for a user without rights.
class ReadOnlyRootStore : public MemoryRegistryStore {
 public:
  explicit ReadOnlyRootStore(std::uint32_t root) : root_(root) {}
  bool CreateKey(std::uint32_t root, const std::string& subKey, Key* out) override {
    if (locked_ && root == root_) return false;
    return MemoryRegistryStore::CreateKey(root, subKey, out);
  }
  bool OpenKey(std::uint32_t root, const std::string& subKey, Access access, Key* out) override {
    if (locked_ && root == root_ && access == Access::Write) return false;
    return MemoryRegistryStore::OpenKey(root, subKey, access, out);
  }
  // Test set-up writes directly while unlocked.
  void Put(const char* subKey, const char* name, const std::string& text) {
    locked_ = false;
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    PutValue(root_, subKey, name, kRegSz, data);
    locked_ = true;
  }

 private:
  std::uint32_t root_;
  bool locked_ = true;
};

// A loaded dialog model over any store; `withSideBar` false leaves the bar without bands.
struct OptionsRig {
  explicit OptionsRig(RegistryStore& store, bool withSideBar = true) : reg(store) {
    if (withSideBar) BuildMainBarLayout(bar);
    model.Load();
    model.EndLoad();
  }
  Registry reg;
  ProgramSettings settings;
  BarModel bar;
  OptionsModel model{reg, settings, bar, 1};
};

TEST(OptionsStoreFailures, APasswordThatCannotBeStoredOrRemovedIsReportedNotTakenAsDone) {
  ReadOnlyRootStore store(kHklm);
  OptionsRig rig(store);
  OptionsModel& m = rig.model;
  m.SetCheck(kCheckDlgFade, false);
  m.SetPasswordTicked(true);
  m.EditPassword(0, "secret");
  m.EditPassword(1, "secret");
  OptionsMessage msg;
  EXPECT_FALSE(m.PressOk(&msg));
  EXPECT_EQ(msg.Headline, 114);
  EXPECT_EQ(msg.Text, kPasswordStoreFailedText);
  EXPECT_FALSE(m.Closed());
  EXPECT_TRUE(rig.settings.DlgFade);

  store.Put(kPasswordSub, kPasswordValue, "xyz");
  m.SetPasswordTicked(false);
  EXPECT_FALSE(m.PressOk(&msg));
  EXPECT_EQ(msg.Text, kPasswordStoreFailedText);
  EXPECT_EQ(ReadStoredPassword(rig.reg), "xyz");
}

// The one password whose scrambled form is the text a missing value reads as: stored, the next start
// would ask for no password at all. It is refused and the password stored before stays.
TEST(PasswordRules, APasswordThatWouldReadAsNoPasswordIsRefused) {
  const std::string readsAsNone = ScrambleText(kNoKey, kUnscramble);
  ASSERT_EQ(ScrambleText(readsAsNone, kScramble), kNoKey);
  MemoryRegistryStore store;
  OptionsRig rig(store);
  ASSERT_TRUE(StorePassword(rig.reg, "before"));
  const std::string before = ReadStoredPassword(rig.reg);
  OptionsModel& m = rig.model;
  m.SetPasswordTicked(true);
  m.EditPassword(0, readsAsNone);
  m.EditPassword(1, readsAsNone);
  OptionsMessage msg;
  EXPECT_FALSE(m.PressOk(&msg));
  EXPECT_EQ(msg.Headline, 114);
  EXPECT_EQ(msg.Text, 858);
  EXPECT_FALSE(m.Closed());
  EXPECT_EQ(ReadStoredPassword(rig.reg), before);
}

TEST(OptionsStoreFailures, AnOptionThatCannotBeWrittenFailsTheSaveButTakesEffectInMemory) {
  ReadOnlyRootStore store(kHkcu);
  OptionsRig rig(store);
  OptionsModel& m = rig.model;
  m.SetCheck(kCheckViewSaveInfo, false);
  OptionsMessage msg;
  EXPECT_FALSE(m.PressOk(&msg));
  EXPECT_EQ(msg.Headline, 829);
  EXPECT_EQ(msg.Text, kOptionsStoreFailedText);
  EXPECT_FALSE(m.Closed());
  EXPECT_FALSE(rig.settings.ViewSaveInfo);
}

TEST(OptionsTabs, TabChangesPlayTheSoundOnlyOnceVisibleAndFocusFollowsTab0) {
  MemoryRegistryStore store;
  OptionsRig rig(store, false);
  OptionsModel& m = rig.model;
  EXPECT_FALSE(m.ChangeTab(1)) << "not yet visible";
  m.SetVisible();
  EXPECT_FALSE(m.ChangeTab(1)) << "already shown";
  EXPECT_FALSE(m.ChangeTab(2));
  EXPECT_FALSE(m.SetPasswordTicked(true)) << "password box not on the shown tab";
  EXPECT_TRUE(m.ChangeTab(0));
  EXPECT_TRUE(m.SetPasswordTicked(true));
  EXPECT_FALSE(m.SetPasswordTicked(false));
  m.Save(nullptr);  // no side-bar band: the rest is still stored
  EXPECT_EQ(rig.reg.RegReadDword(kMainSetKey, "SbBackStyle", 99), 99);
  EXPECT_EQ(rig.reg.RegReadDword(kMainSetKey, "DlgFade", 99), -1);
}

TEST(PasswordRules, CaseFoldingIsAsciiOnlyLikeTheStartGate) {
  EXPECT_EQ(PasswordUpper("abz\xe4"), "ABZ\xe4");
  EXPECT_EQ(CheckNewPassword("abc", "ABC"), PasswordCheck::Accepted);
  EXPECT_EQ(CheckNewPassword("abcdefghij", "abcdefghij"), PasswordCheck::Accepted);
  EXPECT_EQ(CheckNewPassword("ab", "abc"), PasswordCheck::Mismatch) << "mismatch wins";
}

TEST(PasswordScramble, EveryPasswordUpToTenCharactersRoundTripsAtEveryKeyPosition) {
  for (int length = 0; length <= kPasswordMaxLength; ++length) {
    for (int c = 0; c < 256; ++c) {
      std::string text(static_cast<std::size_t>(length), 'a');
      for (int i = 0; i < length; ++i) text[static_cast<std::size_t>(i)] = static_cast<char>((c + 37 * i) & 255);
      const std::string scrambled = ScrambleText(text, kScramble);
      ASSERT_EQ(scrambled.size(), text.size());
      ASSERT_EQ(ScrambleText(scrambled, kUnscramble), text) << length << " " << c;
    }
  }
}

TEST(PasswordScramble, AScrambledNulByteIsStoredAndReadWhole) {
  MemoryRegistryStore store;
  Registry reg(store);
  // The first character is shifted by key character 2; a password starting with it scrambles to 0.
  std::string clear = ScrambleText(std::string(1, '\0'), kUnscramble) + "xyz";
  ASSERT_TRUE(StorePassword(reg, clear));
  EXPECT_EQ(reg.RegReadString(kPasswordKey, kPasswordValue, "")[0], '\0');
  EXPECT_EQ(ReadClearPassword(reg), clear);
}

TEST(SideBarLookStore, StartRestoresStoredValuesAndKeepsDesignedOnesForBadOrMissingValues) {
  MemoryRegistryStore store;
  Registry reg(store);
  BarModel bar;
  BuildMainBarLayout(bar);
  reg.RegWriteDword(kMainSetKey, "SbBackStyle", 2);
  reg.RegWriteDword(kMainSetKey, "SbBackColor", 0x112233);
  reg.RegWriteDword(kMainSetKey, "SbBackEndColor", static_cast<std::int32_t>(0x80000005));  // a system colour
  RestoreSideBarLook(reg, bar);
  const BandLook& look = bar.Band(kSideBarBand)->Look;
  EXPECT_EQ(look.BackStyle, kBackPattern);
  EXPECT_EQ(look.BackColor, 0x112233u);
  EXPECT_EQ(look.BackEndColor, BandLook().BackEndColor);
  EXPECT_EQ(look.ToolTextColor, BandLook().ToolTextColor);

  reg.RegWriteDword(kMainSetKey, "SbBackStyle", -3);
  RestoreSideBarLook(reg, bar);
  EXPECT_EQ(bar.Band(kSideBarBand)->Look.BackStyle, kBackPattern) << "unknown style keeps the current one";

  BandLook wide = look;
  wide.ToolTextColor = 0xFF00FF00u;
  EXPECT_TRUE(bar.SetBandLook(kSideBarBand, wide));
  EXPECT_EQ(bar.Band(kSideBarBand)->Look.ToolTextColor, 0x00FF00u) << "only the colour bits are kept";
  EXPECT_FALSE(bar.SetBandLook("NoSuchBand", wide));
}

}  // namespace
}  // namespace kv
