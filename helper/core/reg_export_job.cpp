// The registry-file export job (see reg_export_job.h).
#include "helper/core/reg_export_job.h"

#include <vector>

#include "app/restore/reg_file_export.h"
#include "helper/core/restorable_profile.h"

namespace kv::helper {

int RunRegExport(FileStore& files, const RegExportJob& job) {
  const int n = NormalisedFunctionCount(job.FunctionCount);
  RestorableProfile profile;
  if (!LoadRestorableProfile(files, job.ProfilePath, job.DatabasePath, n, &profile)) return kExportProfileInvalid;
  if (job.RegFilePath.empty()) return kExportNotWritten;
  const RegFileExport exported = ExportProfileAsRegFile(
      profile.Table, n, [&profile](int i) { return profile.Function(i); },
      [](int, const ProfileRecord&) { return true; }, job.ProfilePath);
  const std::vector<std::uint8_t> bytes(exported.Text.begin(), exported.Text.end());
  return ReplaceFileAtomically(files, job.RegFilePath, bytes) ? kExportWritten : kExportNotWritten;
}

}  // namespace kv::helper
