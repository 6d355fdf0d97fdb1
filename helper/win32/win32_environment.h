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

// The user's profile folder (USERPROFILE), ending in a backslash; "" when not set.
std::string UserProfileFolder();
// The machine's temporary folder (TEMP of the system environment, expanded), ending in a backslash;
// "" when not set.
std::string MachineTempFolder();

// Now, with the weekday and abbreviated month names of the user's locale.
StampParts CurrentStampParts();

}  // namespace kv::helper
