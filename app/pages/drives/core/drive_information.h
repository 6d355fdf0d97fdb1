// Reading one drive's capacity and volume information through the platform queries, and the texts
// and bar values the Drives tab shows for it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/pages/drives/core/drive_queries.h"

namespace kv {

using TextOf = std::function<std::string(int id)>;

struct DriveInformation {
  ClusterSpace Clusters;  // filled only when the cluster query was used
  std::uint64_t FreeBytes = 0, CallerFreeBytes = 0, UsedBytes = 0, TotalBytes = 0;
  std::string VolumeName, SerialHex, FileSystem, MaxNameLength;
  std::uint32_t Flags = 0;
};

// Reads the drive at `root` ("C:\"). Whether the 64-bit free-space query is used is decided by
// calling it for "C:\" first; otherwise the cluster query gives the amounts. False when the chosen
// space query or the volume query fails.
bool ReadDriveInformation(DriveQueries& queries, const std::string& root, DriveInformation* info);

inline constexpr int kDriveFieldCount = 8;

// The two bars: a common maximum and the free and used positions.
struct DriveBars {
  int Max = 0, Free = 0, Used = 0;
};

// Total, free and used amounts in thousands of bytes (halves to even) for the bars; when the total
// does not fit the bars' range all three are halved together until it does.
DriveBars BarsOf(const DriveInformation& info);

// The eight information fields: serial, file system, name length with its unit, compression and
// Unicode support as yes/no, total, free and used megabytes.
std::array<std::string, kDriveFieldCount> InformationFields(const DriveInformation& info, const NumberFormat& format,
                                                            const TextOf& text);

}  // namespace kv
