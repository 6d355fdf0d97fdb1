// The Windows file store: the standard-library reads and writes, each written file flushed to the
// disk (FlushFileBuffers) before the caller renames it into place; the replacement done by
// MoveFileEx so that an existing target is replaced in one step (std::rename refuses on Windows).
#pragma once

#include "app/restore/file_store.h"

namespace kv {

class Win32FileStore : public StdioFileStore {
 public:
  bool Replace(const std::string& from, const std::string& to) override;

 protected:
  bool FlushToDisk(std::FILE* file) override;
};

}  // namespace kv
