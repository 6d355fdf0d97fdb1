// The Windows file store: standard-library reads; writes through the Win32 file calls, flushed to
// the disk (FlushFileBuffers) before the caller renames the file into place; the replacement done by
// MoveFileEx so that an existing target is replaced in one step (std::rename refuses on Windows).
#pragma once

#include "app/restore/file_store.h"

namespace kv {

class Win32FileStore : public StdioFileStore {
 public:
  bool WriteNew(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
  bool Replace(const std::string& from, const std::string& to) override;
};

}  // namespace kv
