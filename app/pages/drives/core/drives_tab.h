// The Drives tab of the Drives & files page without windows: the drive list, the selected drive's
// information fields and bars, and the "hide in My Computer" box that sets or clears the drive's bit
// in the mask function of index slot 22 through the engine's value write.
#pragma once

#include <array>
#include <string>

#include "app/pages/core/function_tree.h"
#include "app/pages/drives/core/drive_information.h"
#include "app/pages/drives/core/drive_list.h"

namespace kv {

inline constexpr int kDriveMaskSlot = 22;

// What the information frame shows for the selected drive.
struct DriveDetails {
  std::array<std::string, kDriveFieldCount> Fields{};
  DriveBars Bars;
  bool Hidden = false;   // the hide box
  std::string HideTag;   // the box's tag: root|function|mask
};

class DrivesTabModel {
 public:
  DrivesTabModel(FunctionSource& source, DriveQueries& queries, TextOf text)
      : source_(source), queries_(queries), text_(std::move(text)) {}

  // Builds the drive list; the item whose root is the boot folder text is the selection.
  void Load(const std::string& bootFolder);
  const DriveListing& Listing() const { return listing_; }
  int MaskFunction() const { return maskFunction_; }

  // A drive was selected (its cargo, the root path): reads its information and the mask.
  void ShowDrive(const std::string& root);
  const DriveDetails& Details() const { return details_; }
  bool Loading() const { return loading_; }

  // The hide box changed (ignored while a drive is being shown). Writes the mask from the box's tag
  // with the drive's bit set or cleared; true when a write was made.
  bool HideChanged(bool ticked);

 private:
  FunctionSource& source_;
  DriveQueries& queries_;
  TextOf text_;
  DriveListing listing_;
  DriveDetails details_;
  int maskFunction_ = -1;
  bool loading_ = false;
};

}  // namespace kv
