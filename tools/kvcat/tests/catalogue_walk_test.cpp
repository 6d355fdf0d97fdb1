// The walk over every function tree, as a user would go through them: for both editions, every tree
// page is filled the way the page fills it (its model over the catalogue and the engine), every on/off
// line is switched on and read back, switched off and read back; then the master profile taken before
// the walk (by the profile scan, through the undo file format) is restored, and every value any
// function reads or writes must be as it was. Natively on an in-memory registry for both systems;
// under Wine on the real registry of a fresh prefix, once as Windows 2000 and once as NT 4. It runs
// in this test program, not in the installed korvn2k.exe: same page model, engine, scan and restore.
// Prints its time: the walk is also the benchmark of switching and restoring functions.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>

#include "app/catalogue/hex_text.h"
#include "app/catalogue/number_text.h"
#include "app/engine/function_engine.h"
#include "app/pages/core/function_tree.h"
#include "app/pages/tests/fake_tree.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_snapshot.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/tests/built_catalogue.h"
#include "tools/kvcat/tests/consistency_env.h"
#include "tools/kvcat/tests/registry_snapshot.h"

namespace kvcat::test {
namespace {

// The pages' view of one edition and the engine; the setting dialog is never opened here.
class WalkSource : public kv::FunctionSource {
 public:
  WalkSource(const kv::Catalogue& catalogue, kv::FunctionEngine& engine, int osFilter)
      : catalogue_(catalogue), engine_(engine), osFilter_(osFilter) {}
  int FktAnzahl() const override { return catalogue_.FktAnzahl; }
  const kv::FunctionRecord* Function(int number) const override { return catalogue_.Function(number); }
  std::string GroupCaption(int page, int group) const override {
    return catalogue_.GroupCaptions[static_cast<std::size_t>(page)].Captions[static_cast<std::size_t>(group)];
  }
  int RunningOsFilter() const override { return osFilter_; }
  int ReadCheckState(int number) override { return engine_.ReadCheckState(number); }
  std::string ReadValueText(int number) override { return engine_.ReadValueText(number); }
  std::string ReadNumberText(int number) override { return engine_.ReadNumberText(number); }
  bool ApplyFunctionState(int number, bool on) override { return engine_.ApplyFunctionState(number, on); }
  bool ApplyFunctionValue(int number, const std::string& value) override {
    return engine_.ApplyFunctionValue(number, value);
  }
  int SlotFunction(int) const override { return -1; }
  std::string EditFunctionValue(int) override { return kv::kSettingDialogError; }

 private:
  const kv::Catalogue& catalogue_;
  kv::FunctionEngine& engine_;
  int osFilter_;
};

// A value shared by bit functions: each function owns one bit, and a restore writes back only that
// bit (a value that was absent comes back as present with its bits clear). Compared bit by bit.
struct SharedBits {
  std::string keyPath, valueName;
  std::uint32_t mask = 0, before = 0;
};

std::uint32_t ReadBits(const kv::Registry& registry, const SharedBits& value) {
  const std::string hex = registry.RegReadBinary(value.keyPath, value.valueName, "");
  return hex == kv::kNoKey ? 0 : kv::HexToNumber(hex);
}

std::vector<int> SystemsToWalk(OsKind os) {
  switch (os) {
    case OsKind::Windows2000: return {0};
    case OsKind::WindowsNT4: return {1};
    case OsKind::Any: break;
  }
  return {0, 1};
}

TEST(CatalogueWalk, EveryTreeOfBothEditionsSwitchesReadsBackAndRestoresTheMasterProfile) {
  const auto started = std::chrono::steady_clock::now();
  std::unique_ptr<ConsistencyEnvironment> env = MakeConsistencyEnvironment();
  kv::Registry registry(env->store());
  int switched = 0, trees = 0;
  for (const char* language : {"en", "de"}) {
    const kv::Catalogue catalogue = LoadBuiltCatalogue(language);
    ASSERT_GT(catalogue.FktAnzahl, 0) << language;
    kv::FunctionEngine engine(registry, catalogue);
    engine.InitPathVariables(env->folders());
    // Every place a function reads or writes, as it is now: the walk must leave it so.
    RegistrySnapshot before(env->store(), registry);
    std::map<std::string, SharedBits> bitValues;
    for (const kv::FunctionRecord& f : catalogue.Functions) {
      if (f.OnValue.rfind("%BIT%", 0) == 0) {
        SharedBits& shared = bitValues[f.StateKeyPath + "\\" + f.StateValueName];
        shared.keyPath = f.StateKeyPath;
        shared.valueName = f.StateValueName;
        shared.mask |= 1u << (kv::NumberOfText16(f.OnValue.substr(5)) & 31);
        continue;
      }
      before.Remember(f.StateKeyPath, f.StateValueName);
      for (const auto* actions : {&f.OnActions, &f.OffActions}) {
        for (const kv::RegistryAction& a : *actions) before.Remember(a.KeyPath, a.ValueName);
      }
    }
    for (auto& [where, shared] : bitValues) shared.before = ReadBits(registry, shared);
    // The master profile as the installation's profile scan writes it, read back as the restore does.
    const std::vector<std::uint8_t> undoFile =
        kv::EncodeProfile(kv::TakeSnapshot(registry, catalogue.Functions, catalogue.FktAnzahl, "walk"));
    const kv::ProfileTable master = kv::DecodeProfile(undoFile, catalogue.FktAnzahl);
    ASSERT_TRUE(kv::ProfileMayBeRestored(master, catalogue.FktAnzahl)) << language;

    for (const int osFilter : SystemsToWalk(env->os())) {
      WalkSource source(catalogue, engine, osFilter);
      for (int page = 0; page < kv::kGroupCaptionRecords; ++page) {
        if (!IsTreePage(page)) continue;
        kv::FakeTree tree;
        kv::FillFunctionTree(tree, page, source);
        ++trees;
        for (const kv::FakeLine& line : tree.lines) {
          const int n = kv::CargoFunction(line.Cargo);
          const kv::FunctionRecord* f = catalogue.Function(n);
          if (n < 0 || f == nullptr || f->InputKind != kv::InputOnOff) continue;
          for (const bool on : {true, false}) {
            source.ApplyFunctionState(n, on);
            EXPECT_EQ(source.ReadCheckState(n), on ? 1 : 0)
                << language << " page " << page << " function " << n << " (" << f->Caption << ") switched "
                << (on ? "on" : "off");
          }
          ++switched;
        }
      }
    }
    for (int n = 0; n <= catalogue.FktAnzahl; ++n) {
      kv::RestoreFunction(registry, master[static_cast<std::size_t>(n)], catalogue.Function(n));
    }
    EXPECT_EQ(before.Differences(), std::vector<std::string>{})
        << language << ": values not back at their state before the walk (of " << before.Size() << ")";
    for (const auto& [where, shared] : bitValues) {
      EXPECT_EQ(ReadBits(registry, shared) & shared.mask, shared.before & shared.mask)
          << language << ": the functions' bits of " << where << " are not back";
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("catalogue walk: %d trees, %d on/off functions switched on and off, master profile restored, %.2f s\n",
              trees, switched, seconds);
  EXPECT_GT(switched, 200);
}

}  // namespace
}  // namespace kvcat::test
