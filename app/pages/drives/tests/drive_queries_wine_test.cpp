// The platform drive queries on Wine's drives: C: is a fixed drive with a readable volume and both
// free-space queries answer alike; a letter without a drive has no root and reads nothing; the user's
// number format comes from the locale settings; and the tab's listing runs over the real queries.
#include <gtest/gtest.h>

#include "app/pages/drives/core/drive_list.h"
#include "app/pages/drives/win32/win32_drive_queries.h"

namespace kv {
namespace {

// A letter Wine's prefix does not map (searched from the end, skipping Z:).
std::string UnmappedRoot(Win32DriveQueries& q) {
  for (char letter = 'Y'; letter > 'C'; --letter) {
    const std::string root = std::string(1, letter) + ":\\";
    if (q.DriveType(root) == kDriveNoRoot) return root;
  }
  return std::string();
}

TEST(Win32DriveQueries, FixedDriveCAnswersEveryQuery) {
  Win32DriveQueries q;
  EXPECT_EQ(q.DriveType("C:\\"), kDriveFixed);
  VolumeInformation volume;
  ASSERT_TRUE(q.Volume("C:\\", &volume));
  EXPECT_FALSE(volume.FileSystem.empty());
  EXPECT_GT(volume.MaxComponentLength, 0u);
  FreeSpace space;
  ASSERT_TRUE(q.FreeSpace64("C:\\", &space));
  EXPECT_GT(space.Total, 0u);
  EXPECT_LE(space.TotalFree, space.Total);
  ClusterSpace clusters;
  ASSERT_TRUE(q.FreeClusters("C:\\", &clusters));
  EXPECT_GT(clusters.BytesPerSector, 0u);
  EXPECT_GT(clusters.TotalClusters, 0u);
}

TEST(Win32DriveQueries, AMissingDriveReadsNothing) {
  Win32DriveQueries q;
  const std::string root = UnmappedRoot(q);
  ASSERT_FALSE(root.empty());
  VolumeInformation volume;
  FreeSpace space;
  ClusterSpace clusters;
  EXPECT_FALSE(q.Volume(root, &volume));
  EXPECT_FALSE(q.FreeSpace64(root, &space));
  EXPECT_FALSE(q.FreeClusters(root, &clusters));
}

TEST(Win32DriveQueries, NumberFormatAndListingOfTheRealDrives) {
  Win32DriveQueries q;
  const NumberFormat format = q.UserNumberFormat();
  EXPECT_FALSE(format.Decimal.empty());
  EXPECT_FALSE(format.Grouping.empty());
  const DriveListing list = ListDrives(q, [](int id) { return std::to_string(id); }, "C:\\");
  ASSERT_GE(list.Items.size(), 2u);
  EXPECT_EQ(list.Items[static_cast<std::size_t>(list.Selected)].Root, "C:\\");
  EXPECT_EQ(list.Items.back().Root, "Z:\\");
}

}  // namespace
}  // namespace kv
