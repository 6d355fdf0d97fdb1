// The platform's drive queries as the Drives tab needs them (drive type, volume information, free
// space by the 64-bit query or by clusters, the user's number format), behind one small interface so
// the listing and the information read run against a fake in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// Platform drive types: 0 unknown, 1 no root directory, 2 removable, 3 fixed, 4 network, 5 CD-ROM,
// 6 RAM disk.
enum DriveTypeCode { kDriveUnknown = 0, kDriveNoRoot = 1, kDriveRemovable = 2, kDriveFixed = 3, kDriveRemote = 4,
                     kDriveCdRom = 5, kDriveRamDisk = 6 };

struct VolumeInformation {
  std::string Name;        // volume label, up to its first NUL
  std::uint32_t Serial = 0;
  std::uint32_t MaxComponentLength = 0;
  std::uint32_t Flags = 0;
  std::string FileSystem;  // up to its first NUL
};

struct ClusterSpace {
  std::uint32_t SectorsPerCluster = 0, BytesPerSector = 0, FreeClusters = 0, TotalClusters = 0;
};

struct FreeSpace {
  std::uint64_t CallerFree = 0, Total = 0, TotalFree = 0;
};

// How the user writes numbers: decimal and group separators and the group sizes from the right in
// the platform's form ({3, 0}: threes throughout; {3}: one group of three only; {3, 2, 0}: 12,34,567).
struct NumberFormat {
  std::string Decimal = ".";
  std::string Group = ",";
  std::vector<int> Grouping = {3, 0};
};

class DriveQueries {
 public:
  virtual ~DriveQueries() = default;
  virtual int DriveType(const std::string& root) = 0;
  virtual bool Volume(const std::string& root, VolumeInformation* info) = 0;
  // The 64-bit free-space query; false when it is missing or fails.
  virtual bool FreeSpace64(const std::string& root, FreeSpace* space) = 0;
  // The older free-space query by clusters; false when it fails.
  virtual bool FreeClusters(const std::string& root, ClusterSpace* space) = 0;
  virtual NumberFormat UserNumberFormat() = 0;
};

}  // namespace kv
