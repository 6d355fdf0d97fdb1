// The Drives tab without windows: the listing over fake drive queries, the information read with its
// two free-space paths, the megabyte texts and bars, and the hidden-drives mask and box tag.
#include <gtest/gtest.h>

#include "app/pages/drives/core/drive_mask.h"
#include "app/pages/drives/core/drives_tab.h"
#include "app/pages/drives/core/megabytes.h"
#include "app/pages/drives/tests/fake_drives.h"
#include "app/pages/tests/fake_source.h"

namespace kv {
namespace {

std::string Text(int id) { return "t" + std::to_string(id); }

FakeDrive Fixed(const std::string& label, std::uint64_t total, std::uint64_t free) {
  FakeDrive d;
  d.volume.Name = label;
  d.volume.Serial = 0x0012ABCD;
  d.volume.MaxComponentLength = 255;
  d.volume.Flags = 0x14;  // Unicode on disk, compression
  d.volume.FileSystem = "NTFS";
  d.space = {free, total, free};
  return d;
}

// A machine: floppy A, unlabelled C, CD D without a disc, labelled network E, and F of unknown type.
FakeDrives Machine() {
  FakeDrives m;
  FakeDrive floppy;
  floppy.type = kDriveRemovable;
  m.drives["A:\\"] = floppy;
  m.drives["C:\\"] = Fixed("", 4000000000ull, 1000000000ull);
  FakeDrive cd;
  cd.type = kDriveCdRom;
  cd.volumeReadable = false;
  cd.space64 = false;
  cd.clustersReadable = false;
  m.drives["D:\\"] = cd;
  FakeDrive net = Fixed("Share", 1000, 10);
  net.type = kDriveRemote;
  m.drives["E:\\"] = net;
  FakeDrive odd;
  odd.type = kDriveUnknown;
  m.drives["F:\\"] = odd;
  return m;
}

TEST(DriveList, ListsEachDriveWithLabelTypeAndRoot) {
  FakeDrives m = Machine();
  const DriveListing list = ListDrives(m, Text, "C:\\");
  ASSERT_EQ(list.Items.size(), 4u);
  const DriveItem& a = list.Items[0];
  EXPECT_EQ(a.Text, "t128 (A)");
  EXPECT_EQ(a.TypeText, "t133");
  EXPECT_EQ(a.Picture, 1);
  EXPECT_EQ(a.Root, "A:\\");
  EXPECT_EQ(list.Items[1].Text, "t129 (C)");  // no label: the fixed drive's fallback
  EXPECT_EQ(list.Items[1].TypeText, "t134");
  EXPECT_EQ(list.Items[1].Picture, 2);
  EXPECT_EQ(list.Items[2].Text, "t131 (D)");  // no disc: fallback, and the listing goes on
  EXPECT_EQ(list.Items[2].TypeText, "t136");
  EXPECT_EQ(list.Items[3].Text, "Share (E)");
  EXPECT_EQ(list.Items[3].TypeText, "t135");
  EXPECT_EQ(list.Items[3].Picture, 3);
  EXPECT_EQ(list.Selected, 1);
  // The floppy is never asked for its volume.
  EXPECT_EQ(m.volumeAsked, (std::vector<std::string>{"C:\\", "D:\\", "E:\\"}));
}

TEST(DriveList, BootFolderSelectsOnlyOnAnExactMatch) {
  FakeDrives m = Machine();
  EXPECT_EQ(ListDrives(m, Text, "E:\\").Selected, 3);
  for (const char* boot : {"c:\\", "C:", "C:\\WINNT", ""}) EXPECT_EQ(ListDrives(m, Text, boot).Selected, -1) << boot;
  FakeDrives empty;
  EXPECT_TRUE(ListDrives(empty, Text, "C:\\").Items.empty());
}

TEST(DriveInformationRead, UsesThe64BitQueryWhenItAnswersForC) {
  FakeDrives m = Machine();
  m.drives["C:\\"].space = {900, 5000000000ull, 1000};  // caller may use less than is free
  DriveInformation info;
  ASSERT_TRUE(ReadDriveInformation(m, "C:\\", &info));
  EXPECT_EQ(info.TotalBytes, 5000000000ull);
  EXPECT_EQ(info.FreeBytes, 1000u);
  EXPECT_EQ(info.CallerFreeBytes, 900u);
  EXPECT_EQ(info.UsedBytes, 5000000000ull - 1000);
  EXPECT_EQ(info.SerialHex, "12ABCD");
  EXPECT_EQ(info.FileSystem, "NTFS");
  EXPECT_EQ(info.MaxNameLength, "255");
  // A drive whose own 64-bit call fails is not read by clusters instead.
  m.drives["E:\\"].space64 = false;
  EXPECT_FALSE(ReadDriveInformation(m, "E:\\", &info));
}

TEST(DriveInformationRead, FallsBackToClustersWithoutThe64BitQuery) {
  FakeDrives m = Machine();
  m.has64BitQuery = false;
  m.drives["C:\\"].clusters = {64, 512, 1000000, 4000000};  // 131 GB: more than 32 bits
  DriveInformation info;
  ASSERT_TRUE(ReadDriveInformation(m, "C:\\", &info));
  EXPECT_EQ(info.TotalBytes, 64ull * 512 * 4000000);
  EXPECT_EQ(info.FreeBytes, 64ull * 512 * 1000000);
  EXPECT_EQ(info.CallerFreeBytes, info.FreeBytes);
  EXPECT_EQ(info.UsedBytes, 64ull * 512 * 3000000);
  EXPECT_EQ(info.Clusters.TotalClusters, 4000000u);
  m.drives["C:\\"].clustersReadable = false;
  EXPECT_FALSE(ReadDriveInformation(m, "C:\\", &info));
}

TEST(DriveInformationRead, FailsWithoutVolumeOrDriveAndNeverWrapsUsedSpace) {
  FakeDrives m = Machine();
  DriveInformation info;
  EXPECT_FALSE(ReadDriveInformation(m, "D:\\", &info));
  EXPECT_FALSE(ReadDriveInformation(m, "Q:\\", &info));
  m.drives["C:\\"].volumeReadable = false;
  EXPECT_FALSE(ReadDriveInformation(m, "C:\\", &info));
  m.drives["C:\\"].volumeReadable = true;
  m.drives["C:\\"].space = {100, 50, 100};  // more free than total
  ASSERT_TRUE(ReadDriveInformation(m, "C:\\", &info));
  EXPECT_EQ(info.UsedBytes, 0u);
  m.drives["C:\\"].volume.FileSystem = std::string("FAT\0junk", 8);
  m.drives["C:\\"].volume.Serial = 0;
  ASSERT_TRUE(ReadDriveInformation(m, "C:\\", &info));
  EXPECT_EQ(info.FileSystem, "FAT");
  EXPECT_EQ(info.SerialHex, "0");
}

TEST(Megabytes, RoundsHalvesToEven) {
  EXPECT_EQ(DivideHalfEven(5, 2), 2u);
  EXPECT_EQ(DivideHalfEven(7, 2), 4u);
  EXPECT_EQ(DivideHalfEven(6, 4), 2u);   // 1.5 -> 2
  EXPECT_EQ(DivideHalfEven(10, 4), 2u);  // 2.5 -> 2
  EXPECT_EQ(DivideHalfEven(11, 4), 3u);
  EXPECT_EQ(DivideHalfEven(9, 0), 0u);
  EXPECT_EQ(DivideHalfEven(UINT64_MAX, 1), UINT64_MAX);
  EXPECT_EQ(DivideHalfEven(UINT64_MAX, 2), UINT64_MAX / 2 + 1);  // odd half rounds up to even
  const NumberFormat english;
  EXPECT_EQ(MegabytesText(1234565000ull, english), "1,234.56 MB");  // .565 -> .56
  EXPECT_EQ(MegabytesText(1234575000ull, english), "1,234.58 MB");  // .575 -> .58
  EXPECT_EQ(MegabytesText(1234565001ull, english), "1,234.57 MB");
  EXPECT_EQ(MegabytesText(0, english), "0.00 MB");
  EXPECT_EQ(MegabytesText(5000, english), "0.00 MB");
  EXPECT_EQ(MegabytesText(15000, english), "0.02 MB");
  EXPECT_EQ(MegabytesText(999995000ull, english), "1,000.00 MB");
  EXPECT_EQ(MegabytesText(UINT64_MAX, english), "18,446,744,073,709.55 MB");
}

TEST(Megabytes, FollowsTheUsersSeparatorsAndGroups) {
  NumberFormat german;
  german.Decimal = ",";
  german.Group = ".";
  EXPECT_EQ(MegabytesText(1234565000ull, german), "1.234,56 MB");
  NumberFormat f;
  f.Grouping = {3};  // one group only
  EXPECT_EQ(GroupedNumber(1234567, f), "1234,567");
  f.Grouping = {3, 2, 0};
  EXPECT_EQ(GroupedNumber(1234567, f), "12,34,567");
  f.Grouping = {3, 2};
  EXPECT_EQ(GroupedNumber(123456789, f), "1234,56,789");
  for (auto none : {std::vector<int>{}, std::vector<int>{0}}) {
    f.Grouping = none;
    EXPECT_EQ(GroupedNumber(1234567, f), "1234567");
  }
  f.Grouping = {3, 0};
  f.Group = "";
  EXPECT_EQ(GroupedNumber(1234567, f), "1234567");
  f.Group = ",";
  EXPECT_EQ(GroupedNumber(0, f), "0");
  EXPECT_EQ(GroupedNumber(999, f), "999");
  EXPECT_EQ(GroupedNumber(1000, f), "1,000");
}

TEST(Megabytes, ReadsThePlatformsGroupingText) {
  EXPECT_EQ(ParseGrouping("3;0"), (std::vector<int>{3, 0}));
  EXPECT_EQ(ParseGrouping("3;2;0"), (std::vector<int>{3, 2, 0}));
  EXPECT_EQ(ParseGrouping("3"), (std::vector<int>{3}));
  EXPECT_EQ(ParseGrouping(""), (std::vector<int>{}));
  EXPECT_EQ(ParseGrouping(";;x"), (std::vector<int>{}));
  EXPECT_EQ(ParseGrouping("12;3"), (std::vector<int>{9, 3}));
}

TEST(DriveBarsTest, ThousandsOfBytesHalvedTogetherBeyondTheRange) {
  DriveInformation info;
  info.TotalBytes = 2500;
  info.FreeBytes = 1500;
  info.UsedBytes = 1000;
  DriveBars b = BarsOf(info);
  EXPECT_EQ(b.Max, 2);  // 2.5 -> 2
  EXPECT_EQ(b.Free, 2);  // 1.5 -> 2
  EXPECT_EQ(b.Used, 1);
  info.TotalBytes = 5000000000000ull;  // 5 TB: 5e9 thousands do not fit
  info.FreeBytes = 1000000000000ull;
  info.UsedBytes = 4000000000000ull;
  b = BarsOf(info);
  EXPECT_EQ(b.Max, 1250000000);  // halved twice: 2 500 000 000 is still above the range
  EXPECT_EQ(b.Free, 250000000);
  EXPECT_EQ(b.Used, 1000000000);
}

TEST(DriveInformationFields, ShowTheEightTexts) {
  DriveInformation info;
  info.SerialHex = "1C2D";
  info.FileSystem = "FAT32";
  info.MaxNameLength = "255";
  info.Flags = 0x10;
  info.TotalBytes = 2000000000ull;
  info.FreeBytes = 500000000ull;
  info.UsedBytes = 1500000000ull;
  const auto f = InformationFields(info, NumberFormat(), Text);
  EXPECT_EQ(f, (std::array<std::string, kDriveFieldCount>{"1C2D", "FAT32", "255t140", "t138", "t139", "2,000.00 MB",
                                                          "500.00 MB", "1,500.00 MB"}));
  info.Flags = 0x04;
  const auto g = InformationFields(info, NumberFormat(), Text);
  EXPECT_EQ(g[3], "t139");
  EXPECT_EQ(g[4], "t138");
}

TEST(DriveMask, ReadsAndWritesLittleEndianHex) {
  EXPECT_EQ(DriveMaskText(4), "04000000");
  EXPECT_EQ(DriveMaskText(0x02000008), "08000002");
  EXPECT_EQ(DriveMaskOf("04000000"), 4u);
  EXPECT_EQ(DriveMaskOf("04"), 4u);  // short: its low bytes
  EXPECT_EQ(DriveMaskOf("0"), 0u);
  EXPECT_EQ(DriveMaskOf("0000000001"), 0u);  // beyond four bytes: ignored
  for (const char* bad : {"", "NoKey", "0G000000", "04 00"}) EXPECT_EQ(DriveMaskOf(bad), 0u) << bad;
  EXPECT_EQ(DriveBit('A'), 0);
  EXPECT_EQ(DriveBit('z'), 25);
  EXPECT_EQ(DriveBit('1'), -1);
  EXPECT_EQ(WithDriveHidden(0, 'D', true), 8u);
  EXPECT_EQ(WithDriveHidden(0xFFFFFFFF, 'Z', false), 0xFDFFFFFFu);
  EXPECT_EQ(WithDriveHidden(5, '\\', true), 5u);
  EXPECT_TRUE(DriveHidden(4, 'c'));
  EXPECT_FALSE(DriveHidden(4, 'D'));
}

TEST(DriveMask, BoxTagRoundTripsAndRefusesDamage) {
  EXPECT_EQ(HideBoxTagText("C:\\", 412, 4), "C:\\|412|4");
  HideBoxTag tag;
  ASSERT_TRUE(ParseHideBoxTag("C:\\|412|4", &tag));
  EXPECT_EQ(tag.Letter, 'C');
  EXPECT_EQ(tag.Function, 412);
  EXPECT_EQ(tag.Mask, 4u);
  ASSERT_TRUE(ParseHideBoxTag("Z:\\|0|4294967295", &tag));
  EXPECT_EQ(tag.Mask, 0xFFFFFFFFu);
  for (const char* bad : {"", "C:\\", "C:\\|412", "|412|4", "C:\\|-1|4", "C:\\|412|4|", "C:\\|x|4", "C:\\|412|",
                          "C:\\|412|4294967296", "C:\\|2147483648|0"})
    EXPECT_FALSE(ParseHideBoxTag(bad, &tag)) << bad;
}

// The tab over a catalogue whose slot 22 holds function 122 (the mask, binary hex text).
struct DrivesRig {
  FakeSource source;
  FakeDrives drives = Machine();
  DrivesTabModel tab{source, drives, Text};
  DrivesRig() {
    source.functions.assign(123, Fn(8, 1, "unused", 0));
    source.functions[122] = Fn(8, 1, "mask", 1);
    source.slots[kDriveMaskSlot] = 122;
    source.values[122] = "00000000";
  }
};

TEST(DrivesTab, ShowingADriveFillsTheFieldsBarsAndBox) {
  DrivesRig r;
  r.source.values[122] = "04000000";
  r.tab.Load("C:\\");
  EXPECT_EQ(r.tab.Listing().Selected, 1);
  EXPECT_EQ(r.tab.MaskFunction(), 122);
  r.tab.ShowDrive("C:\\");
  const DriveDetails& d = r.tab.Details();
  EXPECT_EQ(d.Fields[0], "12ABCD");
  EXPECT_EQ(d.Fields[5], "4,000.00 MB");
  EXPECT_EQ(d.Fields[6], "1,000.00 MB");
  EXPECT_EQ(d.Fields[7], "3,000.00 MB");
  EXPECT_EQ(d.Bars.Max, 4000000);
  EXPECT_EQ(d.Bars.Free, 1000000);
  EXPECT_EQ(d.Bars.Used, 3000000);
  EXPECT_TRUE(d.Hidden);
  EXPECT_EQ(d.HideTag, "C:\\|122|4");
  EXPECT_FALSE(r.tab.Loading());
  EXPECT_TRUE(r.source.applied.empty());
}

TEST(DrivesTab, ADriveWithoutMediumShowsTheNoMediumText) {
  DrivesRig r;
  r.tab.Load("C:\\");
  r.tab.ShowDrive("C:\\");
  r.tab.ShowDrive("D:\\");
  const DriveDetails& d = r.tab.Details();
  EXPECT_EQ(d.Fields[0], "t141");
  for (int i = 1; i < kDriveFieldCount; ++i) EXPECT_EQ(d.Fields[i], "") << i;
  EXPECT_EQ(d.Bars.Free, 0);
  EXPECT_EQ(d.Bars.Used, 0);
  EXPECT_FALSE(d.Hidden);
  EXPECT_EQ(d.HideTag, "D:\\|122|0");
}

TEST(DrivesTab, TickingTheBoxWritesTheMaskWithTheDrivesBit) {
  DrivesRig r;
  r.tab.Load("C:\\");
  EXPECT_FALSE(r.tab.HideChanged(true));  // no drive shown yet
  r.tab.ShowDrive("D:\\");
  EXPECT_TRUE(r.tab.HideChanged(true));
  r.source.values[122] = "FF000000";  // changed elsewhere meanwhile: the shown mask still counts
  EXPECT_TRUE(r.tab.HideChanged(false));
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"122=08000000", "122=00000000"}));
  r.source.applied.clear();
  r.source.values[122] = "04000000";
  r.tab.ShowDrive("E:\\");
  EXPECT_TRUE(r.tab.HideChanged(true));
  r.source.values[122] = "NoKey";  // damaged or absent mask: no drive hidden
  r.tab.ShowDrive("C:\\");
  EXPECT_FALSE(r.tab.Details().Hidden);
  EXPECT_TRUE(r.tab.HideChanged(true));
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"122=14000000", "122=04000000"}));
}

TEST(DrivesTab, WithoutAMaskFunctionTheBoxWritesNothing) {
  DrivesRig r;
  r.source.slots.erase(kDriveMaskSlot);
  r.tab.Load("C:\\");
  EXPECT_EQ(r.tab.MaskFunction(), -1);
  r.tab.ShowDrive("C:\\");
  EXPECT_FALSE(r.tab.Details().Hidden);
  EXPECT_FALSE(r.tab.HideChanged(true));
  EXPECT_TRUE(r.source.applied.empty());
  r.tab.ShowDrive("");  // an item without cargo
  EXPECT_EQ(r.tab.Details().Fields[0], "t141");
  EXPECT_FALSE(r.tab.HideChanged(true));
}

}  // namespace
}  // namespace kv
