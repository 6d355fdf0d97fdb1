// The Windows file store: the standard-library reads and writes, with the replacement done by
// MoveFileEx so that an existing target is replaced in one step (std::rename refuses on Windows).
#pragma once

#include "app/restore/file_store.h"

namespace kv {

class Win32FileStore : public StdioFileStore {
 public:
  bool Replace(const std::string& from, const std::string& to) override;
};

}  // namespace kv
