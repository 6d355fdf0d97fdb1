// Whole snapshots: one record per function from its "on" actions, the entry count in the marker.
#include <gtest/gtest.h>

#include "app/restore/profile_codec.h"
#include "app/restore/profile_snapshot.h"
#include "app/restore/tests/registry_fixture.h"

namespace kv {
namespace {

using test::kKey;

RegistryAction Action(const std::string& name, std::int16_t kind, std::int16_t mode = 0) {
  RegistryAction a;
  a.KeyPath = kKey;
  a.ValueName = name;
  a.ValueKind = kind;
  a.Data = "template %INPUT%";
  a.Mode = mode;
  return a;
}

class Snapshot : public test::RegistryFixture {};

TEST_F(Snapshot, CapturesTheOnActionsOfEveryFunctionAndCountsThem) {
  registry_.RegWriteDword(kKey, "D", 3);
  registry_.RegWriteString(kKey, "S", "s");
  std::vector<FunctionRecord> functions(5);  // N = 3, catalogue holds N + 2 records
  functions[0].Page = 1;
  functions[0].RestartLevel = 1;
  functions[0].OnActions[0] = Action("D", 1);
  functions[0].OnActions[2] = Action("S", 0, 1);  // a delete action is captured like any other
  functions[0].OffActions[1] = Action("OffOnly", 0);
  functions[2].Page = 16;
  functions[2].OnActions[1] = Action("B", 2);
  functions[4].OnActions[0] = Action("NotScanned", 0);  // record N + 1 is never part of a profile

  const ProfileTable table = TakeSnapshot(registry_, functions, 3, "stamp");
  ASSERT_EQ(table.size(), 6u);
  EXPECT_EQ(table[0].Page, 1);
  EXPECT_EQ(table[0].RestartLevel, 1);
  EXPECT_EQ(table[0].Entries[0].Data, "3");
  EXPECT_EQ(table[0].Entries[0].ValueKind, 1);
  EXPECT_EQ(table[0].Entries[0].Mode, 0);
  EXPECT_TRUE(table[0].Entries[1].KeyPath.empty());
  EXPECT_EQ(table[0].Entries[2].ValueName, "S");
  EXPECT_EQ(table[0].Entries[2].Data, "s");
  EXPECT_EQ(table[0].Entries[2].Mode, 0);
  EXPECT_EQ(table[1], ProfileRecord());
  EXPECT_EQ(table[2].Page, 16);
  EXPECT_EQ(table[2].Entries[1].Data, "NoKey");
  EXPECT_EQ(table[4], ProfileRecord());
  EXPECT_EQ(table[5], MakeMarkerRecord("stamp", 3));
  EXPECT_TRUE(IsValidProfile(table, 3));
}

TEST_F(Snapshot, ReportsProgressBeforeEachFunctionAndToleratesAShortCatalogue) {
  std::vector<int> seen;
  std::vector<FunctionRecord> functions(2);
  functions[1].OnActions[0] = Action("X", 1);
  const ProfileTable table = TakeSnapshot(registry_, functions, 4, "s", [&](int i) { seen.push_back(i); });
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(table[1].Entries[0].Data, "989898");
  EXPECT_EQ(table.back().Entries[2].KeyPath, "1");
}

TEST_F(Snapshot, AValueTooLongForTheFileIsLeftOutRatherThanStoredCutShort) {
  registry_.RegWriteBinary(kKey, "Huge", std::string(2 * 40000, 'A'));
  std::vector<FunctionRecord> functions(2);
  functions[0].OnActions[0] = Action("Huge", 2);
  functions[0].OnActions[1] = Action("Small", 2);
  const ProfileTable table = TakeSnapshot(registry_, functions, 0, "s");
  EXPECT_EQ(table[0].Entries[0].KeyPath, kKey);  // kept, marked as left out, so a restore can say so
  EXPECT_EQ(table[0].Entries[0].ValueKind, kKindLeftOut);
  EXPECT_EQ(table[0].Entries[0].Data, "TOOLONG");
  EXPECT_EQ(table[0].Entries[1].Data, "NoKey");
  EXPECT_EQ(table.back().Entries[2].KeyPath, "1");
}

TEST_F(Snapshot, EmptyCatalogueGivesEmptyRecordsAndTheMarker) {
  const ProfileTable table = TakeSnapshot(registry_, {}, 299, "s");
  EXPECT_EQ(EncodeProfile(table).size(), 34u * 301 + 34 + 15 + 1 + 1);  // marker texts: 15 + 1 + 1 bytes
}

}  // namespace
}  // namespace kv
