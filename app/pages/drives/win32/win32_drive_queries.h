// The platform's drive queries (kernel32, ANSI calls) and the user's number format (locale settings).
#pragma once

#include "app/pages/drives/core/drive_queries.h"

namespace kv {

class Win32DriveQueries : public DriveQueries {
 public:
  int DriveType(const std::string& root) override;
  bool Volume(const std::string& root, VolumeInformation* info) override;
  bool FreeSpace64(const std::string& root, FreeSpace* space) override;
  bool FreeClusters(const std::string& root, ClusterSpace* space) override;
  NumberFormat UserNumberFormat() override;
};

}  // namespace kv
