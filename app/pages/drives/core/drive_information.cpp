// Reading one drive's information and the texts shown for it (see drive_information.h).
#include "app/pages/drives/core/drive_information.h"

#include <climits>
#include <cstdio>

#include "app/pages/drives/core/megabytes.h"

namespace kv {

namespace {
// File-system flags of the volume query.
constexpr std::uint32_t kUnicodeOnDisk = 0x04;
constexpr std::uint32_t kFileCompression = 0x10;
constexpr int kYesText = 138, kNoText = 139, kCharactersText = 140;

std::string UpperHex(std::uint32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(value));
  return buffer;
}
}  // namespace

bool ReadDriveInformation(DriveQueries& queries, const std::string& root, DriveInformation* info) {
  *info = DriveInformation();
  FreeSpace probe;
  if (queries.FreeSpace64("C:\\", &probe)) {
    FreeSpace space;
    if (!queries.FreeSpace64(root, &space)) return false;
    info->CallerFreeBytes = space.CallerFree;
    info->TotalBytes = space.Total;
    info->FreeBytes = space.TotalFree;
  } else {
    ClusterSpace& c = info->Clusters;
    if (!queries.FreeClusters(root, &c)) return false;
    const std::uint64_t cluster = static_cast<std::uint64_t>(c.SectorsPerCluster) * c.BytesPerSector;
    info->TotalBytes = cluster * c.TotalClusters;
    info->FreeBytes = cluster * c.FreeClusters;
    info->CallerFreeBytes = info->FreeBytes;
  }
  // A platform that reports more free than total space must not wrap round to a huge used amount.
  info->UsedBytes = info->TotalBytes > info->FreeBytes ? info->TotalBytes - info->FreeBytes : 0;
  VolumeInformation volume;
  if (!queries.Volume(root, &volume)) return false;
  info->VolumeName = volume.Name;
  info->SerialHex = UpperHex(volume.Serial);
  info->FileSystem = volume.FileSystem.substr(0, volume.FileSystem.find('\0'));
  info->MaxNameLength = std::to_string(volume.MaxComponentLength);
  info->Flags = volume.Flags;
  return true;
}

DriveBars BarsOf(const DriveInformation& info) {
  std::uint64_t total = DivideHalfEven(info.TotalBytes, 1000);
  std::uint64_t free = DivideHalfEven(info.FreeBytes, 1000);
  std::uint64_t used = DivideHalfEven(info.UsedBytes, 1000);
  while (total > static_cast<std::uint64_t>(INT_MAX)) {
    total /= 2;
    free /= 2;
    used /= 2;
  }
  DriveBars bars;
  bars.Max = static_cast<int>(total);
  bars.Free = static_cast<int>(free < total ? free : total);
  bars.Used = static_cast<int>(used < total ? used : total);
  return bars;
}

std::array<std::string, kDriveFieldCount> InformationFields(const DriveInformation& info, const NumberFormat& format,
                                                            const TextOf& text) {
  auto yesNo = [&](std::uint32_t flag) { return text((info.Flags & flag) != 0 ? kYesText : kNoText); };
  return {info.SerialHex,
          info.FileSystem,
          info.MaxNameLength + text(kCharactersText),
          yesNo(kFileCompression),
          yesNo(kUnicodeOnDisk),
          MegabytesText(info.TotalBytes, format),
          MegabytesText(info.FreeBytes, format),
          MegabytesText(info.UsedBytes, format)};
}

}  // namespace kv
