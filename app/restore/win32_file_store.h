// The Windows file store: the standard-library reads and writes, each written file flushed to the
// disk (FlushFileBuffers) before the caller renames it into place; the replacement done by
// MoveFileEx so that an existing target is replaced in one step (std::rename refuses on Windows);
// a read-only target is never replaced, as Windows itself refuses.
#pragma once

#include "app/restore/file_store.h"

namespace kv {

enum class FileAccess {
  Inherited,           // a new file gets the folder's permissions (recovery profiles)
  AdministratorsOnly,  // only administrators and the system account may open it (the undo file)
};

class Win32FileStore : public StdioFileStore {
 public:
  explicit Win32FileStore(FileAccess access = FileAccess::Inherited) : access_(access) {}
  bool Replace(const std::string& from, const std::string& to) override;

 protected:
  std::FILE* OpenNew(const std::string& path) override;
  bool FlushToDisk(std::FILE* file) override;

 private:
  FileAccess access_;
};

}  // namespace kv
