// The function database file encodings: exact byte layout, and defined results for short, damaged
// and random files.
#include <gtest/gtest.h>

#include <random>

#include "app/catalogue/binary_stream.h"
#include "app/catalogue/catalogue_file.h"

namespace kv {
namespace {

using Bytes = std::vector<std::uint8_t>;

FunctionRecord SampleRecord(int n) {
  FunctionRecord r;
  r.Reserved1 = {1, 2, 3, static_cast<std::uint8_t>(n)};
  r.Page = static_cast<std::int16_t>(n);
  r.Group = -2;
  r.Caption = "Caption " + std::to_string(n);
  r.OsFilter = 2;
  r.RestartLevel = 1;
  r.HelpText = "Help#Body|line";
  r.InputPrompt = "Prompt";
  r.InputKind = 2;
  r.StateKeyPath = "HKEY_CURRENT_USER\\Control Panel\\Desktop";
  r.StateValueName = "MenuShowDelay";
  r.StateValueKind = 1;
  r.OnValue = "%BIT%5";
  r.StateWhenMatching = 1;
  r.StateWhenMissing = 0;
  r.DefaultText = "\xE4\xF6\xFC";  // ANSI bytes are carried unchanged
  r.NumberStyle = 1;
  r.Minimum = -32768;
  r.Maximum = 32767;
  r.DefaultNumber = 400;
  r.Increment = 10;
  r.Unit = "ms";
  r.OnActions[0] = {"HKEY_CURRENT_USER\\X", "V", "%INPUT%", 0, 0};
  r.OnActions[2] = {"HKEY_LOCAL_MACHINE\\Y", "", "", 1, 1};
  r.OffActions[1] = {"HKEY_CURRENT_USER\\Z", "B", "%BITSET%3/2", 2, 0};
  r.Reserved2 = {9, 8, 7, 6};
  r.Reserved3 = "reserved";
  r.Reserved4 = 77;
  return r;
}

TEST(FunctionFile, EmptyRecordTakes114Bytes) {
  EXPECT_EQ(EncodeFunctionFile({FunctionRecord{}}).size(), 114u);
  FunctionRecord r;
  r.Caption = std::string(300, 'c');
  EXPECT_EQ(EncodeFunctionFile({r}).size(), 114u + 300u);  // a text of 300 takes 302 bytes
}

TEST(FunctionFile, FieldsInDeclarationOrderLittleEndian) {
  FunctionRecord r;
  r.Reserved1 = {0xDE, 0xAD, 0xBE, 0xEF};
  r.Page = 0x0102;
  r.Group = -1;
  r.Caption = "AB";
  r.OsFilter = 3;
  const Bytes bytes = EncodeFunctionFile({r});
  const Bytes head(bytes.begin(), bytes.begin() + 14);
  EXPECT_EQ(head, (Bytes{0xDE, 0xAD, 0xBE, 0xEF, 0x02, 0x01, 0xFF, 0xFF, 0x02, 0x00, 'A', 'B', 0x03, 0x00}));
  // The record ends with reserved block 2, the reserved text and the reserved number.
  r.Reserved2 = {0x11, 0x22, 0x33, 0x44};
  r.Reserved4 = 0x0506;
  const Bytes all = EncodeFunctionFile({r});
  const Bytes tail(all.end() - 8, all.end());
  EXPECT_EQ(tail, (Bytes{0x11, 0x22, 0x33, 0x44, 0x00, 0x00, 0x06, 0x05}));
}

TEST(FunctionFile, RoundTripKeepsEveryField) {
  std::vector<FunctionRecord> records = {SampleRecord(1), FunctionRecord{}, SampleRecord(3)};
  EXPECT_EQ(DecodeFunctionFile(EncodeFunctionFile(records), 3), records);
}

TEST(FunctionFile, ShortFileLeavesTheRestEmpty) {
  std::vector<FunctionRecord> records = {SampleRecord(1), SampleRecord(2)};
  const std::vector<FunctionRecord> decoded = DecodeFunctionFile(EncodeFunctionFile(records), 301);
  ASSERT_EQ(decoded.size(), 301u);
  EXPECT_EQ(decoded[0], records[0]);
  EXPECT_EQ(decoded[1], records[1]);
  for (std::size_t i = 2; i < decoded.size(); ++i) EXPECT_EQ(decoded[i], FunctionRecord{}) << i;
}

TEST(FunctionFile, RecordCutByTheEndIsEmpty) {
  Bytes bytes = EncodeFunctionFile({SampleRecord(1), SampleRecord(2)});
  for (std::size_t cut : {std::size_t{1}, std::size_t{40}, std::size_t{113}}) {
    Bytes shortened(bytes.begin(), bytes.end() - static_cast<std::ptrdiff_t>(cut));
    const auto decoded = DecodeFunctionFile(shortened, 3);
    EXPECT_EQ(decoded[0], SampleRecord(1)) << cut;
    EXPECT_EQ(decoded[1], FunctionRecord{}) << cut;
    EXPECT_EQ(decoded[2], FunctionRecord{}) << cut;
  }
}

TEST(FunctionFile, TextLengthRunningPastTheEnd) {
  Bytes bytes = EncodeFunctionFile({SampleRecord(1)});
  Bytes damaged = {0, 0, 0, 0, 5, 0, 1, 0, 0xF4, 0x01, 'x', 'y'};  // caption claims 500 bytes
  bytes.insert(bytes.end(), damaged.begin(), damaged.end());
  const auto decoded = DecodeFunctionFile(bytes, 2);
  EXPECT_EQ(decoded[0], SampleRecord(1));
  EXPECT_EQ(decoded[1], FunctionRecord{});
}

TEST(FunctionFile, ExtraBytesAreIgnoredAndZeroLengthIsAllEmpty) {
  Bytes bytes = EncodeFunctionFile({SampleRecord(1), SampleRecord(2)});
  EXPECT_EQ(DecodeFunctionFile(bytes, 1), std::vector<FunctionRecord>{SampleRecord(1)});
  EXPECT_EQ(DecodeFunctionFile({}, 4), std::vector<FunctionRecord>(4));
  EXPECT_TRUE(DecodeFunctionFile(bytes, 0).empty());
}

TEST(FunctionFile, RandomBytesGiveADefinedResult) {
  std::mt19937 random(20001);
  for (int round = 0; round < 200; ++round) {
    Bytes bytes(random() % 3000);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    const auto decoded = DecodeFunctionFile(bytes, 20);
    ASSERT_EQ(decoded.size(), 20u);
    // Whole records first, then only empty ones.
    bool sawEmpty = false;
    for (const auto& r : decoded) {
      if (r == FunctionRecord{}) sawEmpty = true;
      else EXPECT_FALSE(sawEmpty) << "a record after the cut was filled, round " << round;
    }
  }
}

TEST(GroupCaptionFile, TwentySixRecordsOfTenTexts) {
  GroupCaptionTable table{};
  EXPECT_EQ(EncodeGroupCaptionFile(table).size(), 26u * 20u);
  table[1].Title = "Windows";
  table[1].Captions[1] = "Desktop";
  table[25].Captions[8] = "Last";
  const Bytes bytes = EncodeGroupCaptionFile(table);
  EXPECT_EQ(Bytes(bytes.begin() + 20, bytes.begin() + 29), (Bytes{7, 0, 'W', 'i', 'n', 'd', 'o', 'w', 's'}));
  EXPECT_EQ(DecodeGroupCaptionFile(bytes), table);

  Bytes shortened(bytes.begin(), bytes.end() - 3);
  GroupCaptionTable decoded = DecodeGroupCaptionFile(shortened);
  EXPECT_EQ(decoded[1], table[1]);
  EXPECT_EQ(decoded[25], GroupCaptionRecord{});
  EXPECT_EQ(DecodeGroupCaptionFile({0xFF, 0xFF, 'a'}), GroupCaptionTable{});
}

TEST(PageIndexFile, HundredAndOneNumbers) {
  PageFunctionTable numbers{};
  for (int i = 0; i < kPageFunctionSlots; ++i) numbers[i] = static_cast<std::int16_t>(i * 3 - 100);
  const Bytes bytes = EncodePageIndexFile(numbers);
  ASSERT_EQ(bytes.size(), 202u);
  EXPECT_EQ(bytes[0], 0x9C);
  EXPECT_EQ(bytes[1], 0xFF);
  EXPECT_EQ(DecodePageIndexFile(bytes), numbers);

  Bytes odd(bytes.begin(), bytes.begin() + 5);  // two whole numbers and half a third
  PageFunctionTable decoded = DecodePageIndexFile(odd);
  EXPECT_EQ(decoded[0], -100);
  EXPECT_EQ(decoded[1], -97);
  EXPECT_EQ(decoded[2], 0);
  Bytes longer = bytes;
  longer.push_back(7);
  EXPECT_EQ(DecodePageIndexFile(longer), numbers);
}

TEST(ByteStream, OverlongTextIsCutToTheCountsRange) {
  ByteWriter out;
  out.WriteText(std::string(70000, 'z'));
  ASSERT_EQ(out.bytes().size(), 2u + 0xFFFF);
  ByteReader in(out.bytes());
  EXPECT_EQ(in.ReadText().size(), 0xFFFFu);
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.ReadNumber(), 0);
  EXPECT_FALSE(in.ok());
}

}  // namespace
}  // namespace kv
