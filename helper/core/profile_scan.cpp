// The profile scan job (see profile_scan.h).
#include "helper/core/profile_scan.h"

#include "app/catalogue/catalogue_file.h"
#include "app/restore/profile_codec.h"
#include "app/restore/profile_file.h"
#include "app/restore/profile_snapshot.h"

namespace kv::helper {

bool RunProfileScan(const Registry& registry, FileStore& files, const ProfileScanJob& job, ScanProgress* progress) {
  const int n = NormalisedFunctionCount(job.FunctionCount);
  std::vector<std::uint8_t> database;
  if (!files.Exists(job.DatabasePath) || !files.ReadAll(job.DatabasePath, &database)) return false;
  if (job.KeepValidProfile && files.Exists(job.OutputPath) &&
      IsValidProfile(ReadProfile(files, job.OutputPath, n), n)) {
    return false;
  }
  const std::vector<FunctionRecord> functions = DecodeFunctionFile(database, static_cast<std::size_t>(n) + 2);

  if (progress) progress->Show(n);
  SnapshotProgress step;
  if (progress) step = [progress](int i) { progress->Step(i); };
  // The stamp is taken when the snapshot is complete, as the marker record is filled.
  ProfileTable table = TakeSnapshot(registry, functions, n, std::string(), step);
  table[MarkerRecordIndex(n)].Entries[1].KeyPath = job.Stamp ? job.Stamp() : std::string();
  const bool written = WriteProfile(files, job.OutputPath, table);
  if (progress) progress->Finish();
  if (!written && job.WriteFailed) job.WriteFailed();
  return written;
}

}  // namespace kv::helper
