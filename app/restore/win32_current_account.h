// The account the process runs as, "DOMAIN\user" (the master profile's per-user values belong to one).
#pragma once

#include <string>

namespace kv {

// "" when it cannot be told.
std::string CurrentAccountName();

}  // namespace kv
