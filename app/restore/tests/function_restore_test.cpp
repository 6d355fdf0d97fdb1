// Setting single functions back as the restore window and the uninstall restore do: functions that
// share one value, each owning one bit of it.
#include <gtest/gtest.h>

#include "app/restore/function_restore.h"
#include "app/restore/profile_snapshot.h"
#include "app/restore/tests/registry_fixture.h"

namespace kv {
namespace {

using test::kKey;

// Two on/off functions of the desktop's preference mask, bit 1 and bit 9 of one binary value.
class BitFunctions : public test::RegistryFixture {
 protected:
  void SetUp() override {
    functions_.resize(2);
    Define(0, "%BITSET%1/8");
    Define(1, "%BITSET%9/8");
  }
  void Define(int n, const std::string& data) {
    functions_[static_cast<std::size_t>(n)].OnActions[0] = {kKey, "UserPreferencesMask", data, KindBinary, 0};
  }
  FunctionRestoreReport Restore(const ProfileTable& table, int n) {
    return RestoreFunction(registry_, table[static_cast<std::size_t>(n)], &functions_[static_cast<std::size_t>(n)]);
  }
  std::string Mask() { return registry_.RegReadBinary(kKey, "UserPreferencesMask", ""); }

  std::vector<FunctionRecord> functions_;
};

TEST_F(BitFunctions, RestoringOneFunctionSetsBackOnlyItsOwnBit) {
  registry_.RegWriteBinary(kKey, "UserPreferencesMask", "9E3E0000");  // bit 1 set, bit 9 set
  const ProfileTable taken = TakeSnapshot(registry_, functions_, 1, "stamp");
  registry_.RegWriteBinary(kKey, "UserPreferencesMask", "9C3C0080");  // both switched off, bit 31 by Windows
  FunctionRestoreReport report = Restore(taken, 0);
  EXPECT_EQ(report.Outcome, FunctionOutcome::Restored);
  EXPECT_EQ(Mask(), "9E3C0080") << "bit 9 and Windows' own bit 31 keep their current state";
  EXPECT_EQ(Restore(taken, 0).Outcome, FunctionOutcome::Unchanged);
  Restore(taken, 1);
  EXPECT_EQ(Mask(), "9E3E0080");
}

TEST_F(BitFunctions, AnAbsentValueCountsAsBitsClear) {
  const ProfileTable taken = TakeSnapshot(registry_, functions_, 1, "stamp");  // value absent
  registry_.RegWriteBinary(kKey, "UserPreferencesMask", "0202");              // both bits set since
  EXPECT_EQ(Restore(taken, 1).Outcome, FunctionOutcome::Restored);
  EXPECT_EQ(Mask(), "0200") << "only bit 9 cleared; the value is not deleted under function 0";
  EXPECT_EQ(Restore(taken, 0).Outcome, FunctionOutcome::Restored);
  EXPECT_EQ(registry_.ProbeValue(kKey, "UserPreferencesMask"), ValuePresence::Absent)
      << "no bit left set: the value the user never had is gone again";
  EXPECT_EQ(Restore(taken, 0).Outcome, FunctionOutcome::Unchanged);

  registry_.RegDelete(kKey, "UserPreferencesMask");
  registry_.RegWriteBinary(kKey, "Other", "01");
  ProfileTable set(ProfileRecordCount(1));
  set[1].Entries[0] = {kKey, "UserPreferencesMask", "00020000", KindBinary, 0};
  EXPECT_EQ(Restore(set, 1).Outcome, FunctionOutcome::Restored);
  EXPECT_EQ(Mask(), "0002") << "created with only the function's bit";
}

}  // namespace
}  // namespace kv
