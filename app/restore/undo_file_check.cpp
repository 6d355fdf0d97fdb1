// The remembered undo file check (see undo_file_check.h).
#include "app/restore/undo_file_check.h"

#include "app/restore/recovery_profile.h"

namespace kv {

bool UndoFileCheck::Usable(const std::string& path, int functionCount) {
  const FileStamp now = stamp_(path);
  if (known_ && path == path_ && functionCount == functionCount_ && now == stamped_) return usable_;
  usable_ = now.Exists && IsUsableProfileFile(files_, path, functionCount);
  known_ = true;
  path_ = path;
  functionCount_ = functionCount;
  stamped_ = now;
  return usable_;
}

}  // namespace kv
