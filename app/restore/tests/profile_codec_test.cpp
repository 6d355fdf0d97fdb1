// Profile file bytes: sizes, round trips, short and over-long data, the marker test.
#include <gtest/gtest.h>

#include "app/restore/profile_codec.h"
#include "app/restore/profile_stamp.h"

namespace kv {
namespace {

RegistryAction Entry(std::string key, std::string name, std::string data, std::int16_t kind) {
  RegistryAction a;
  a.KeyPath = std::move(key);
  a.ValueName = std::move(name);
  a.Data = std::move(data);
  a.ValueKind = kind;
  return a;
}

ProfileTable SampleTable(int n) {
  ProfileTable table(ProfileRecordCount(n));
  for (int i = 0; i <= n; ++i) {
    ProfileRecord& r = table[static_cast<std::size_t>(i)];
    r.Page = static_cast<std::int16_t>(i % 19 - 3);
    r.RestartLevel = static_cast<std::int16_t>(i % 3);
    r.Entries[0] = Entry("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wert" + std::to_string(i), "\xE4\xF6\xFC", 0);
    if (i % 2) r.Entries[1] = Entry("HKEY_LOCAL_MACHINE\\Software\\X", "", "-1", 1);
    if (i % 3) r.Entries[2] = Entry("HKEY_LOCAL_MACHINE\\Software\\Y", "Bin", "000A0F", 2);
  }
  table.back() = MakeMarkerRecord("Montag, 7. Dez 2026#09:05", 42);
  return table;
}

TEST(ProfileCodec, EmptyTableTakes34BytesPerRecord) {
  for (int n : {0, 5, 299}) {
    ProfileTable table(ProfileRecordCount(n));
    EXPECT_EQ(EncodeProfile(table).size(), 34u * static_cast<std::size_t>(n + 3)) << "N = " << n;
  }
}

TEST(ProfileCodec, RoundTripKeepsEveryFieldAndRecordOrder) {
  const ProfileTable table = SampleTable(40);
  const auto bytes = EncodeProfile(table);
  EXPECT_EQ(DecodeProfile(bytes, 40), table);
  EXPECT_TRUE(IsValidProfile(DecodeProfile(bytes, 40), 40));
}

TEST(ProfileCodec, FieldLayoutIsLittleEndianWithCountedTexts) {
  ProfileTable table(ProfileRecordCount(0));
  table[0].Page = -2;
  table[0].RestartLevel = 0x0102;
  table[0].Entries[0] = Entry("AB", "", "C", 1);
  const auto bytes = EncodeProfile(table);
  const std::vector<std::uint8_t> head = {0xFE, 0xFF, 0x02, 0x01, 2, 0, 'A', 'B', 0, 0, 1, 0, 'C', 1, 0, 0, 0};
  ASSERT_GE(bytes.size(), head.size());
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
}

TEST(ProfileCodec, ShortDataLeavesTheRemainingRecordsEmpty) {
  const ProfileTable table = SampleTable(10);
  const auto whole = EncodeProfile(table);
  // Cut inside record 4: records 0..3 survive, record 4 (cut part-way) and all later ones are empty.
  ProfileTable firstFour(table.begin(), table.begin() + 4);
  const std::size_t cut = EncodeProfile(firstFour).size() + 7;
  const ProfileTable read = DecodeProfile(whole.data(), cut, 10);
  ASSERT_EQ(read.size(), 13u);
  for (std::size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i], i < 4 ? table[i] : ProfileRecord()) << "record " << i;
  }
  EXPECT_FALSE(IsValidProfile(read, 10));
  EXPECT_EQ(DecodeProfile(nullptr, 0, 10), ProfileTable(13));
}

TEST(ProfileCodec, ALengthCountPastTheEndIsNotRead) {
  std::vector<std::uint8_t> bytes = {1, 0, 0, 0, 0xFF, 0xFF, 'x'};
  EXPECT_EQ(DecodeProfile(bytes, 0), ProfileTable(3));
}

TEST(ProfileCodec, DataBeyondTheMarkerRecordIsIgnored) {
  const ProfileTable table = SampleTable(7);
  auto bytes = EncodeProfile(table);
  bytes.insert(bytes.end(), {9, 9, 9, 9, 9});
  EXPECT_EQ(DecodeProfile(bytes, 7), table);
}

// A profile of a larger count (a newer catalogue) fails the marker test; one of a smaller count (the
// master profile from before an update raised FktAnzahl) is read as today's: its functions keep their
// records, the new ones have none, and a file with more after that marker is not taken for one.
TEST(ProfileCodec, AProfileOfASmallerFunctionCountIsReadAsTodaysAndALargerOneFails) {
  const ProfileTable old = SampleTable(299);
  const auto bytes = EncodeProfile(old);
  EXPECT_TRUE(IsValidProfile(DecodeProfile(bytes, 299), 299));
  EXPECT_FALSE(IsValidProfile(DecodeProfile(bytes, 298), 298));
  const ProfileTable updated = DecodeProfile(bytes, 629);
  ASSERT_TRUE(IsValidProfile(updated, 629));
  for (std::size_t i = 0; i <= 299; ++i) EXPECT_EQ(updated[i], old[i]) << i;
  for (std::size_t i = 300; i < 631; ++i) EXPECT_EQ(updated[i], ProfileRecord()) << i;
  EXPECT_EQ(updated.back(), old.back());
  auto longer = bytes;
  const auto extra = EncodeProfile(SampleTable(0));
  longer.insert(longer.end(), extra.begin(), extra.end());
  EXPECT_FALSE(IsValidProfile(DecodeProfile(longer, 629), 629));
}

TEST(ProfileCodec, MarkerIsCaseSensitiveAndOnlyEntryZeroCounts) {
  ProfileTable table(ProfileRecordCount(3));
  table.back().Entries[0].KeyPath = "korvn_prof_file";
  EXPECT_FALSE(IsValidProfile(table, 3));
  table.back() = MakeMarkerRecord("x", 0);
  EXPECT_TRUE(IsValidProfile(table, 3));
  EXPECT_FALSE(IsValidProfile(ProfileTable(2), 3));
}

TEST(ProfileCodec, MarkerRecordCarriesStampAndCountAndNothingElse) {
  const ProfileRecord m = MakeMarkerRecord("Sonntag, 1. Jan 2001#00:07", 897);
  EXPECT_EQ(m.Entries[0].KeyPath, "KORVN_PROF_FILE");
  EXPECT_EQ(m.Entries[1].KeyPath, "Sonntag, 1. Jan 2001#00:07");
  EXPECT_EQ(m.Entries[2].KeyPath, "897");
  ProfileRecord rest = m;
  for (auto& e : rest.Entries) e.KeyPath.clear();
  EXPECT_EQ(rest, ProfileRecord());
}

TEST(ProfileCodec, NegativeFunctionCountStillGivesEmptyAndMarkerRecords) {
  EXPECT_EQ(ProfileRecordCount(-5), 3u);
  EXPECT_EQ(MarkerRecordIndex(-5), 2u);
  EXPECT_EQ(ProfileRecordCount(100000), 32770u);
}

TEST(ProfileStamp, DayWithoutLeadingZeroTimeWithLeadingZeros) {
  StampParts p;
  p.WeekdayName = "Montag";
  p.Day = 7;
  p.MonthAbbrev = "Dez";
  p.Year = 2026;
  p.Hour = 9;
  p.Minute = 5;
  EXPECT_EQ(FormatProfileStamp(p), "Montag, 7. Dez 2026#09:05");
  p.WeekdayName = "Wednesday";
  p.Day = 31;
  p.MonthAbbrev = "Mar";
  p.Hour = 23;
  p.Minute = 59;
  EXPECT_EQ(FormatProfileStamp(p), "Wednesday, 31. Mar 2026#23:59");
}

}  // namespace
}  // namespace kv
