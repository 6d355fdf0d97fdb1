// What the helper asks Windows at start-up: its folders, the special folders, the profile stamp and
// the version query.
#pragma once

#include <string>

#include "app/restore/profile_stamp.h"
#include "helper/core/helper_setup.h"

namespace kv::helper {

PlatformFolders CurrentPlatformFolders();

// Special folder (8 recent documents, 11 Start menu) ending in a backslash; "" when it has no path.
std::string SpecialFolderPath(int folderId);

// Now, with the weekday and abbreviated month names of the user's locale.
StampParts CurrentStampParts();

}  // namespace kv::helper
