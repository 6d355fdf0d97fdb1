// Per-kind capture and restore rules of profile entries, against the in-memory registry.
#include <gtest/gtest.h>

#include "app/restore/profile_values.h"
#include "app/restore/tests/registry_fixture.h"

namespace kv {
namespace {

using test::kHklm;
using test::kKey;
using test::kSubKey;

RegistryAction StoredEntry(const std::string& name, std::int16_t kind, const std::string& data) {
  RegistryAction e;
  e.KeyPath = kKey;
  e.ValueName = name;
  e.ValueKind = kind;
  e.Data = data;
  return e;
}

class ProfileValues : public test::RegistryFixture {};

TEST_F(ProfileValues, CaptureTextDwordAndBinary) {
  registry_.RegWriteString(kKey, "Text", "Hallo \xFC");
  registry_.RegWriteDword(kKey, "Num", -1);
  registry_.RegWriteBinary(kKey, "Bin", "000A0FFF");
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Text", 0), "Hallo \xFC");
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Num", 1), "-1");
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Bin", 2), "000A0FFF");  // bytes below 0x10 keep two digits
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Text", 3), "");
}

TEST_F(ProfileValues, CaptureOfAbsentValuesGivesTheMarkers) {
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Text", 0), "NoKey");
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Num", 1), "989898");
  EXPECT_EQ(CaptureEntry(registry_, kKey, "Bin", 2), "NoKey");
  EXPECT_EQ(CaptureEntry(registry_, "HKLM\\Software\\Test", "Num", 1), "989898");  // main program: long names only
}

TEST_F(ProfileValues, ZeroLengthBinaryIsCapturedEmptyAndRestoredAsZeroLength) {
  registry_.RegWriteBinary(kKey, "Bin", "");
  const std::string captured = CaptureEntry(registry_, kKey, "Bin", 2);
  EXPECT_EQ(captured, "");
  registry_.RegDelete(kKey, "Bin");
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Bin", 2, captured)));
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data{1};
  ASSERT_TRUE(Stored("Bin", &type, &data));
  EXPECT_EQ(type, kRegBinary);
  EXPECT_TRUE(data.empty());
}

TEST_F(ProfileValues, ADwordThatReallyIs989898IsDeletedNotRewritten) {
  registry_.RegWriteDword(kKey, "Num", 989898);
  const std::string captured = CaptureEntry(registry_, kKey, "Num", 1);
  EXPECT_EQ(captured, "989898");
  registry_.RegWriteDword(kKey, "Num", 5);
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Num", 1, captured)));
  EXPECT_FALSE(Stored("Num"));
}

TEST_F(ProfileValues, ATextThatReallyIsNoKeyIsTreatedAsAbsent) {
  registry_.RegWriteString(kKey, "Text", "NoKey");
  const std::string captured = CaptureEntry(registry_, kKey, "Text", 0);
  EXPECT_EQ(captured, "NoKey");
  registry_.RegWriteString(kKey, "Text", "changed");
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Text", 0, captured)));
  EXPECT_FALSE(Stored("Text"));
}

TEST_F(ProfileValues, AValueCreatedAfterTheProfileIsDeletedOnRestore) {
  registry_.RegWriteString(kKey, "Text", "new");
  registry_.RegWriteDword(kKey, "Num", 0);
  registry_.RegWriteBinary(kKey, "Bin", "01");
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Text", 0, "NoKey")));
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Num", 1, "989898")));
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Bin", 2, "NoKey")));
  EXPECT_FALSE(Stored("Text"));
  EXPECT_FALSE(Stored("Num"));
  EXPECT_FALSE(Stored("Bin"));
}

TEST_F(ProfileValues, ChangedValuesAreWrittenBackWithTheirKind) {
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Text", 0, "alt")));
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Num", 1, "-1")));
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Bin", 2, "0A00FF")));
  EXPECT_EQ(registry_.RegReadString(kKey, "Text", ""), "alt");
  EXPECT_EQ(registry_.RegReadDword(kKey, "Num", 0), -1);
  EXPECT_EQ(registry_.RegReadBinary(kKey, "Bin", ""), "0A00FF");
}

// A path stored as REG_EXPAND_SZ ("%SystemRoot%\...") that a function changed is written back with
// its type: as REG_SZ it would no longer expand.
TEST_F(ProfileValues, AChangedExpandableTextStaysExpandable) {
  const std::string path = "%SystemRoot%\\system32\\shell32.dll,3";
  store_.PutValue(kHklm, kSubKey, "Icon", kRegExpandSz, std::vector<std::uint8_t>(path.begin(), path.end() + 1));
  const std::string captured = CaptureEntry(registry_, kKey, "Icon", 0);
  ASSERT_TRUE(registry_.RegWriteString(kKey, "Icon", "%SystemRoot%\\korvane.ico"));  // the function's write
  std::uint32_t type = 0;
  ASSERT_TRUE(Stored("Icon", &type));
  EXPECT_EQ(type, kRegExpandSz);
  EXPECT_TRUE(RestoreEntry(registry_, StoredEntry("Icon", 0, captured)));
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(Stored("Icon", &type, &data));
  EXPECT_EQ(type, kRegExpandSz);
  EXPECT_EQ(std::string(data.begin(), data.end()), path + '\0');
  registry_.RegWriteString(kKey, "New", "x");
  ASSERT_TRUE(Stored("New", &type));
  EXPECT_EQ(type, kRegSz);
}

TEST_F(ProfileValues, AnUnchangedValueIsNotWritten) {
  // Stored as REG_EXPAND_SZ: a rewrite would turn it into REG_SZ.
  store_.PutValue(kHklm, kSubKey, "Text", kRegExpandSz, {'a', 'b', 0});
  registry_.RegWriteDword(kKey, "Num", 7);
  EXPECT_FALSE(RestoreEntry(registry_, StoredEntry("Text", 0, "ab")));
  EXPECT_FALSE(RestoreEntry(registry_, StoredEntry("Num", 1, "7")));
  EXPECT_FALSE(RestoreEntry(registry_, StoredEntry("Absent", 1, "989898")));
  std::uint32_t type = 0;
  ASSERT_TRUE(Stored("Text", &type));
  EXPECT_EQ(type, kRegExpandSz);
}

TEST_F(ProfileValues, EntriesThatCannotBeRestoredAreSkipped) {
  RegistryAction empty = StoredEntry("Num", 1, "5");
  empty.KeyPath.clear();
  EXPECT_FALSE(RestoreEntry(registry_, empty));
  EXPECT_FALSE(RestoreEntry(registry_, StoredEntry("Other", 7, "x")));
  for (const char* damaged : {"", "12abc", "-", "99999999999", "4294967295", " 5"}) {
    EXPECT_FALSE(RestoreEntry(registry_, StoredEntry("Num", 1, damaged))) << damaged;
  }
  EXPECT_FALSE(Stored("Num"));
  EXPECT_FALSE(Stored("Other"));
}

// An icon function writes a key's default value (DefaultIcon) that was absent when the profile was
// taken: the restore removes that value only; the key goes too only when the function created it.
TEST_F(ProfileValues, AnAbsentDefaultValueRemovesOnlyThatValue) {
  const std::string icon = std::string(kKey) + "\\DefaultIcon";
  registry_.RegWriteString(icon, "Full", "shell32.dll,32");
  registry_.RegWriteString(icon + "\\Sub", "v", "x");
  RegistryAction e = StoredEntry("", 0, "NoKey");
  e.KeyPath = icon;
  EXPECT_FALSE(RestoreEntry(registry_, e)) << "no default value now: unchanged";
  registry_.RegWriteString(icon, "", "korvane.ico,0");
  EXPECT_TRUE(RestoreEntry(registry_, e));
  EXPECT_EQ(registry_.RegReadString(icon, "", ""), "NoKey");
  EXPECT_EQ(registry_.RegReadString(icon, "Full", ""), "shell32.dll,32");
  EXPECT_EQ(registry_.RegReadString(icon + "\\Sub", "v", ""), "x");

  const std::string created = std::string(kKey) + "\\Created";  // only the default value, made later
  registry_.RegWriteString(created, "", "korvane.ico,1");
  e.KeyPath = created;
  EXPECT_TRUE(RestoreEntry(registry_, e));
  EXPECT_FALSE(store_.KeyExists(kHklm, std::string(kSubKey) + "\\Created"));
  EXPECT_TRUE(store_.KeyExists(kHklm, kSubKey));
}

TEST_F(ProfileValues, RestoreRecordReportsAnyChangedEntry) {
  ProfileRecord record;
  record.Entries[0] = StoredEntry("A", 1, "989898");
  record.Entries[2] = StoredEntry("C", 0, "c");
  EXPECT_TRUE(RestoreRecord(registry_, record));
  EXPECT_EQ(registry_.RegReadString(kKey, "C", ""), "c");
  EXPECT_FALSE(RestoreRecord(registry_, record));
}

}  // namespace
}  // namespace kv
