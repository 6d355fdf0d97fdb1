// The shipped function database checked through the engine: the files the build produced equal the
// sources; every on/off function reads "on" after being switched on and "off" after being switched off;
// every text and number function reads back what was written; every slot of the index table names a
// function of the kind its page expects; every icon location names an icon that exists.
// Runs natively on an in-memory registry and under Wine on a fresh prefix (once as NT 4, once as 2000).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/number_text.h"
#include "app/catalogue/registry.h"
#include "app/engine/function_engine.h"
#include "tools/kvcat/edition.h"
#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/source_files.h"
#include "tools/kvcat/tests/built_catalogue.h"
#include "tools/kvcat/tests/consistency_env.h"
#include "tools/kvcat/tests/registry_snapshot.h"

namespace kvcat::test {
namespace {

std::string Describe(int number, const kv::FunctionRecord& f) {
  return "function " + std::to_string(number) + " (" + f.Caption + ")";
}

class ShippedCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_ = LoadBuiltCatalogue("en");
    engine_.InitPathVariables(env_->folders());
    // Every location a function reads or writes is put back after the test.
    for (const kv::FunctionRecord& f : catalogue_.Functions) {
      snapshot_.Remember(f.StateKeyPath, f.StateValueName);
      for (const auto* actions : {&f.OnActions, &f.OffActions}) {
        for (const kv::RegistryAction& a : *actions) snapshot_.Remember(a.KeyPath, a.ValueName);
      }
    }
  }

  bool AppliesHere(const kv::FunctionRecord& f) const {
    switch (env_->os()) {
      case OsKind::Any: return true;
      case OsKind::Windows2000: return f.OsFilter == 0 || f.OsFilter == 2;
      case OsKind::WindowsNT4: return f.OsFilter == 1 || f.OsFilter == 2;
    }
    return false;
  }

  // Functions shown in a tree or bound to a tool page's control (empty records are skipped).
  template <typename Visit>
  void ForEachFunction(int inputKind, Visit visit) {
    for (int n = 0; n <= catalogue_.FktAnzahl; ++n) {
      const kv::FunctionRecord& f = catalogue_.Functions[static_cast<std::size_t>(n)];
      if (f.Page == 0 || f.InputKind != inputKind || !AppliesHere(f)) continue;
      visit(n, f);
    }
  }

  std::unique_ptr<ConsistencyEnvironment> env_ = MakeConsistencyEnvironment();
  kv::Registry registry_{env_->store()};
  kv::Catalogue catalogue_;
  kv::FunctionEngine engine_{registry_, catalogue_};
  RegistrySnapshot snapshot_{env_->store(), registry_};
};

TEST_F(ShippedCatalogue, BuiltFilesEqualTheSources) {
  std::vector<std::string> missing;
  Diagnostics diagnostics;
  const CatalogueSource source = LoadSources(CollectSources({KV_DATABASE_DIR}, missing), diagnostics);
  ASSERT_TRUE(diagnostics.empty() && missing.empty());
  const Edition edition = BuildEdition(source, Language::English);
  EXPECT_EQ(catalogue_.FktAnzahl, edition.fktAnzahl);
  // FktAnzahl is the highest number used (the installation writes it): its record is a function, and
  // the file holds FktAnzahl + 2 records.
  ASSERT_EQ(catalogue_.Functions.size(), static_cast<std::size_t>(catalogue_.FktAnzahl) + 2);
  EXPECT_NE(catalogue_.Functions[static_cast<std::size_t>(catalogue_.FktAnzahl)].Page, 0);
  EXPECT_TRUE(catalogue_.Functions == edition.functions);
  EXPECT_TRUE(catalogue_.GroupCaptions == edition.captions);
  EXPECT_TRUE(catalogue_.PageFunctionIndex == edition.slots);
}

TEST_F(ShippedCatalogue, EveryTreePageHasFunctionsInCaptionedGroups) {
  for (const int page : {1, 2, 16, 5, 9, 12, 13, 14, 15, 17, 18}) {
    int shown = 0;
    for (const kv::FunctionRecord& f : catalogue_.Functions) {
      if (f.Page != page) continue;
      ++shown;
      EXPECT_FALSE(catalogue_.GroupCaptions[static_cast<std::size_t>(page)].Captions[f.Group].empty())
          << f.Caption << " sits in a group without caption on page " << page;
    }
    EXPECT_GT(shown, 0) << "page " << page << " is empty";
  }
}

// Icon location as the icon page reads it: the registry text, or the system folder's SHELL32.DLL with
// the value name as index; "%SystemRoot%\" stands for the Windows folder.
TEST_F(ShippedCatalogue, IconLocationsNameIconsThatExist) {
  if (!env_->canCheckIcons()) GTEST_SKIP() << "no icon files natively";
  for (int slot = 23; slot <= 58; ++slot) {
    const int n = catalogue_.PageFunctionIndex[static_cast<std::size_t>(slot)];
    const kv::FunctionRecord& f = catalogue_.Functions[static_cast<std::size_t>(n)];
    std::string location = registry_.RegReadString(f.StateKeyPath, f.StateValueName, "");
    if (location == kv::kNoKey) location = engine_.Paths().SystemFolder() + "SHELL32.DLL ," + f.StateValueName;
    for (std::size_t at; (at = location.find("%SystemRoot%\\")) != std::string::npos;) {
      location.replace(at, 13, engine_.Paths().WindowsFolder());
    }
    std::string file = location;
    int index = 0;
    const std::size_t comma = location.find(',');
    if (comma != std::string::npos && comma > 0) {
      index = kv::NumberOfText(location.substr(comma + 1));
      file = location.substr(0, comma);
      file.erase(file.find_last_not_of(' ') + 1);
      file.erase(0, file.find_first_not_of(' '));
    }
    EXPECT_NE(env_->IconExists(file, index), env_->KnownMissingIcon(location))
        << "slot " << slot << ", " << Describe(n, f) << ": " << location;
  }
}

// Two functions on one registry value would undo each other's changes and restore it twice; only bit
// functions share a value (one bit each).
TEST_F(ShippedCatalogue, NoTwoFunctionsReadTheSameValue) {
  std::map<std::string, int> owner;
  for (int n = 0; n <= catalogue_.FktAnzahl; ++n) {
    const kv::FunctionRecord& f = catalogue_.Functions[static_cast<std::size_t>(n)];
    if (f.Page == 0) continue;
    std::string where = f.StateKeyPath + "\\" + f.StateValueName;
    std::transform(where.begin(), where.end(), where.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (f.OnValue.rfind("%BIT%", 0) == 0) where += "|" + f.OnValue;
    const auto [it, fresh] = owner.emplace(where, n);
    // An NT 4 function and its Windows 2000 counterpart (os 1 and 0) are never shown together.
    const int otherOs = catalogue_.Functions[static_cast<std::size_t>(it->second)].OsFilter;
    const bool systemPair = (otherOs == 0 && f.OsFilter == 1) || (otherOs == 1 && f.OsFilter == 0);
    EXPECT_TRUE(fresh || systemPair) << Describe(n, f) << " reads the value of function " << it->second << ": " << where;
  }
}

// A restriction policy ("No..." under a Policies key) set to 0 is not set: Windows treats 0 and
// absent alike, so the tree must show both the same.
TEST_F(ShippedCatalogue, RestrictionPoliciesReadZeroAsNotSet) {
  int checked = 0;
  ForEachFunction(kv::InputOnOff, [&](int n, const kv::FunctionRecord& f) {
    if (f.StateKeyPath.find("\\Policies\\") == std::string::npos || f.StateValueName.rfind("No", 0) != 0) return;
    ++checked;
    registry_.RegDelete(f.StateKeyPath, f.StateValueName);
    const int absent = engine_.ReadCheckState(n);
    registry_.RegWriteDword(f.StateKeyPath, f.StateValueName, 0);
    EXPECT_EQ(engine_.ReadCheckState(n), absent) << Describe(n, f) << " reads 0 unlike a missing value";
  });
  EXPECT_GT(checked, 10);
}

TEST_F(ShippedCatalogue, OnOffFunctionsReadBackTheStateApplied) {
  int checked = 0;
  ForEachFunction(kv::InputOnOff, [&](int n, const kv::FunctionRecord& f) {
    ++checked;
    EXPECT_FALSE(f.StateKeyPath.empty()) << Describe(n, f);
    EXPECT_FALSE(f.OnActions[0].KeyPath.empty()) << Describe(n, f) << " has no on action";
    EXPECT_FALSE(f.OffActions[0].KeyPath.empty()) << Describe(n, f) << " has no off action";
    for (const bool state : {true, false, true, false}) {
      engine_.ApplyFunctionState(n, state);
      EXPECT_EQ(engine_.ReadCheckState(n), state ? 1 : 0) << Describe(n, f) << " switched " << (state ? "on" : "off");
    }
  });
  EXPECT_GT(checked, 60);
}

TEST_F(ShippedCatalogue, StartupCleaningRegistersTheHelper) {
  const std::string run = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  int choices = 0;
  ForEachFunction(kv::InputOnOff, [&](int n, const kv::FunctionRecord& f) {
    if (f.StateKeyPath != "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorbel\\Korvane2k\\Morvask") return;
    ++choices;
    registry_.RegDelete(run, "KorvnTweakMe");
    engine_.ApplyFunctionState(n, true);
    EXPECT_EQ(registry_.RegReadDword(f.StateKeyPath, f.StateValueName, 7), 1) << Describe(n, f);
    EXPECT_EQ(registry_.RegReadString(run, "KorvnTweakMe", ""), engine_.Paths().SystemFolder() + "KORVNST.EXE /TWEAK")
        << Describe(n, f);
    engine_.ApplyFunctionState(n, false);
    EXPECT_EQ(registry_.RegReadDword(f.StateKeyPath, f.StateValueName, 7), 0) << Describe(n, f);
  });
  EXPECT_EQ(choices, 8);
}

TEST_F(ShippedCatalogue, TextFunctionsReadBackWhatWasWritten) {
  int checked = 0;
  ForEachFunction(kv::InputText, [&](int n, const kv::FunctionRecord& f) {
    ++checked;
    // Binary values take hex text, DWORD values (numbers too large for a number field) decimal text;
    // icon locations must stay drawable for the icon check.
    const std::int16_t kind = f.OnActions[0].ValueKind;
    const bool icon = f.Page == 10 || f.Page == 11;
    const std::string value = kind == kv::KindBinary  ? "0C000000"
                              : kind == kv::KindDword ? "123456"
                              : icon                  ? "%SystemRoot%\\system32\\shell32.dll,4"
                                                      : "Korvane test 7";
    EXPECT_TRUE(engine_.ApplyFunctionValue(n, value)) << Describe(n, f);
    EXPECT_EQ(engine_.ReadValueText(n), value) << Describe(n, f);
  });
  EXPECT_GT(checked, 40);
}

TEST_F(ShippedCatalogue, NumberFunctionsReadBackWhatWasWritten) {
  int checked = 0;
  ForEachFunction(kv::InputNumber, [&](int n, const kv::FunctionRecord& f) {
    ++checked;
    EXPECT_LE(f.Minimum, f.DefaultNumber) << Describe(n, f);
    EXPECT_LE(f.DefaultNumber, f.Maximum) << Describe(n, f);
    EXPECT_GE(f.Increment, 1) << Describe(n, f);
    for (const int value : {static_cast<int>(f.Minimum), static_cast<int>(f.Maximum), static_cast<int>(f.DefaultNumber)}) {
      EXPECT_TRUE(engine_.ApplyFunctionValue(n, std::to_string(value))) << Describe(n, f);
      EXPECT_EQ(engine_.ReadNumberText(n), std::to_string(value)) << Describe(n, f);
    }
  });
  EXPECT_GT(checked, 15);
}

TEST_F(ShippedCatalogue, SlotsNameFunctionsOfTheKindTheirPageExpects) {
  struct Range {
    int first, last, page;
  };
  for (const Range r : {Range{0, 5, 4}, Range{6, 13, 3}, Range{14, 21, 6}, Range{22, 22, 8}, Range{23, 46, 10},
                        Range{47, 58, 11}}) {
    for (int slot = r.first; slot <= r.last; ++slot) {
      const int n = catalogue_.PageFunctionIndex[static_cast<std::size_t>(slot)];
      const kv::FunctionRecord* f = catalogue_.Function(n);
      ASSERT_NE(f, nullptr) << "slot " << slot;
      EXPECT_EQ(f->Page, r.page) << "slot " << slot;
      const int expectedInput = (slot == 5 || slot == 16 || slot == 21) ? kv::InputOnOff
                                : slot <= 4                             ? kv::InputNumber
                                                                        : kv::InputText;
      EXPECT_EQ(f->InputKind, expectedInput) << "slot " << slot;
      EXPECT_FALSE(f->StateKeyPath.empty()) << "slot " << slot;
    }
  }
  // The mouse page's own rules: the menu delay slider and the wheel's -1 / 0 meanings must fit.
  const kv::FunctionRecord* delay = catalogue_.Function(catalogue_.PageFunctionIndex[0]);
  EXPECT_EQ(delay->NumberStyle, 1);
  EXPECT_EQ(delay->Unit, " ms");
  const kv::FunctionRecord* wheel = catalogue_.Function(catalogue_.PageFunctionIndex[3]);
  EXPECT_LE(wheel->Minimum, -1);
  // The drive mask is a 4-byte binary value written as 8 hex digits.
  const kv::FunctionRecord* mask = catalogue_.Function(catalogue_.PageFunctionIndex[22]);
  EXPECT_EQ(mask->StateValueKind, kv::KindBinary);
  EXPECT_EQ(mask->OnActions[0].ValueKind, kv::KindBinary);
  EXPECT_EQ(mask->DefaultText.size(), 8u);
}

}  // namespace
}  // namespace kvcat::test
