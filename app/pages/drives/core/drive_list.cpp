// The drive list (see drive_list.h).
#include "app/pages/drives/core/drive_list.h"

namespace kv {

namespace {
constexpr int kFallbackLabelText = 128 - kDriveRemovable;  // + type: 128 removable .. 132 RAM disk
constexpr int kTypeText = 133 - kDriveRemovable;           // + type: 133 .. 137
}  // namespace

DriveListing ListDrives(DriveQueries& queries, const TextOf& text, const std::string& bootFolder) {
  DriveListing listing;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string root = std::string(1, letter) + ":\\";
    const int type = queries.DriveType(root);
    if (type < kDriveRemovable || type > kDriveRamDisk) continue;
    DriveItem item;
    item.Root = root;
    item.Picture = type - 1;
    std::string label;
    if (letter == 'A' || letter == 'B') {
      // Floppy drives: asking for the volume would start the drive.
      label = text(kFallbackLabelText + kDriveRemovable);
      item.TypeText = text(kTypeText + kDriveRemovable);
    } else {
      VolumeInformation volume;
      if (queries.Volume(root, &volume)) label = volume.Name;
      if (label.empty()) label = text(kFallbackLabelText + type);
      item.TypeText = text(kTypeText + type);
    }
    item.Text = label + " (" + letter + ")";
    if (root == bootFolder) listing.Selected = static_cast<int>(listing.Items.size());
    listing.Items.push_back(item);
  }
  return listing;
}

}  // namespace kv
