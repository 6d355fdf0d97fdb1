// The registry-file export job (see reg_export_job.h).
#include "helper/core/reg_export_job.h"

#include <vector>

#include "app/catalogue/catalogue_file.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_file.h"
#include "app/restore/reg_file_export.h"

namespace kv::helper {

int RunRegExport(FileStore& files, const RegExportJob& job) {
  const int n = NormalisedFunctionCount(job.FunctionCount);
  if (job.ProfilePath.empty() || !files.Exists(job.ProfilePath)) return kExportProfileInvalid;
  const ProfileTable table = ReadProfile(files, job.ProfilePath, n);
  if (!ProfileMayBeRestored(table, n)) return kExportProfileInvalid;
  std::vector<std::uint8_t> database;
  if (!files.Exists(job.DatabasePath) || !files.ReadAll(job.DatabasePath, &database)) return kExportProfileInvalid;
  const std::vector<FunctionRecord> functions = DecodeFunctionFile(database, static_cast<std::size_t>(n) + 2);
  if (job.RegFilePath.empty()) return kExportNotWritten;
  const RegFileExport exported = ExportProfileAsRegFile(
      table, n,
      [&functions](int i) {
        return i >= 0 && static_cast<std::size_t>(i) < functions.size() ? &functions[static_cast<std::size_t>(i)]
                                                                         : nullptr;
      },
      [](int, const ProfileRecord&) { return true; }, job.ProfilePath);
  const std::vector<std::uint8_t> bytes(exported.Text.begin(), exported.Text.end());
  return ReplaceFileAtomically(files, job.RegFilePath, bytes) ? kExportWritten : kExportNotWritten;
}

}  // namespace kv::helper
