// The drive list of the Drives tab: one item per drive from "A" to "Z" with its label and letter,
// picture, type text and root path, and which item the boot folder selects.
#pragma once

#include <string>
#include <vector>

#include "app/pages/drives/core/drive_information.h"
#include "app/pages/drives/core/drive_queries.h"

namespace kv {

struct DriveItem {
  std::string Text;      // "System (C)"
  int Picture = 0;       // drive type - 1 (1 removable .. 5 RAM disk)
  std::string TypeText;  // second column
  std::string Root;      // "C:\", the item's cargo
};

struct DriveListing {
  std::vector<DriveItem> Items;
  int Selected = -1;  // the item whose root equals the boot folder text, -1 when none does
};

// Lists the drives of types 2 to 6. "A" and "B" are not touched beyond their type (no volume read);
// a drive whose label cannot be read (no medium) or is empty gets its type's fallback label.
DriveListing ListDrives(DriveQueries& queries, const TextOf& text, const std::string& bootFolder);

}  // namespace kv
