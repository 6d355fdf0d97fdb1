// Taking a whole snapshot: one profile record per function 0..N from the function's "on" actions,
// then the empty record and the marker record.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/catalogue/function_record.h"
#include "app/catalogue/registry.h"
#include "app/restore/profile_record.h"

namespace kv {

// Called before function i is captured (the scan's progress window moves its bar and repaints).
using SnapshotProgress = std::function<void(int functionNumber)>;

// `functions` is the catalogue (N + 2 records); missing records count as empty functions.
// Values that cannot be read or are too long for the format are left out (CaptureProfileEntry) and
// not counted in the marker record.
ProfileTable TakeSnapshot(const Registry& registry, const std::vector<FunctionRecord>& functions, int functionCount,
                          const std::string& stamp, const SnapshotProgress& progress = nullptr);

}  // namespace kv
