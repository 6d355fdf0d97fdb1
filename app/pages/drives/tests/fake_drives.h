// Drive queries answered from a table of drives built by the test, with a log of which roots were
// asked for their volume.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/pages/drives/core/drive_queries.h"

namespace kv {

struct FakeDrive {
  int type = kDriveFixed;
  bool volumeReadable = true;
  VolumeInformation volume;
  bool space64 = true;  // the 64-bit query answers for this drive
  FreeSpace space;
  bool clustersReadable = true;
  ClusterSpace clusters;
};

class FakeDrives : public DriveQueries {
 public:
  std::map<std::string, FakeDrive> drives;  // by root
  bool has64BitQuery = true;
  NumberFormat format;
  std::vector<std::string> volumeAsked;

  int DriveType(const std::string& root) override {
    auto d = drives.find(root);
    return d == drives.end() ? kDriveNoRoot : d->second.type;
  }
  bool Volume(const std::string& root, VolumeInformation* info) override {
    volumeAsked.push_back(root);
    auto d = drives.find(root);
    if (d == drives.end() || !d->second.volumeReadable) return false;
    *info = d->second.volume;
    return true;
  }
  bool FreeSpace64(const std::string& root, FreeSpace* space) override {
    auto d = drives.find(root);
    if (!has64BitQuery || d == drives.end() || !d->second.space64) return false;
    *space = d->second.space;
    return true;
  }
  bool FreeClusters(const std::string& root, ClusterSpace* space) override {
    auto d = drives.find(root);
    if (d == drives.end() || !d->second.clustersReadable) return false;
    *space = d->second.clusters;
    return true;
  }
  NumberFormat UserNumberFormat() override { return format; }
};

}  // namespace kv
