// Whole-catalogue snapshot (see profile_snapshot.h).
#include "app/restore/profile_snapshot.h"

#include "app/restore/profile_codec.h"
#include "app/restore/profile_values.h"

namespace kv {

ProfileTable TakeSnapshot(const Registry& registry, const std::vector<FunctionRecord>& functions, int functionCount,
                          const std::string& stamp, const SnapshotProgress& progress) {
  const int n = NormalisedFunctionCount(functionCount);
  ProfileTable table(ProfileRecordCount(n));
  int captured = 0;
  for (int i = 0; i <= n; ++i) {
    if (progress) progress(i);
    if (static_cast<std::size_t>(i) >= functions.size()) continue;
    const FunctionRecord& function = functions[static_cast<std::size_t>(i)];
    ProfileRecord& record = table[static_cast<std::size_t>(i)];
    record.Page = function.Page;
    record.RestartLevel = function.RestartLevel;
    for (std::size_t d = 0; d < record.Entries.size(); ++d) {
      const RegistryAction& action = function.OnActions[d];
      if (action.KeyPath.empty()) continue;
      record.Entries[d] = CaptureProfileEntry(registry, action);
      if (LeftOutReasonOf(record.Entries[d]) == LeftOutReason::None) ++captured;
    }
  }
  table[MarkerRecordIndex(n)] = MakeMarkerRecord(stamp, captured);
  return table;
}

}  // namespace kv
