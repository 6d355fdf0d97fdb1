// Whether the undo file (the master profile) can be restored from, remembered between questions: the
// file is read and decoded again only when its size or time changed, or after Forget (a restore or a
// profile scan). Asked wherever a window shows what needs the master profile.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/restore/file_store.h"

namespace kv {

// What tells one version of a file from another without reading it.
struct FileStamp {
  bool Exists = false;
  std::uint64_t Size = 0;
  std::uint64_t Time = 0;  // last write, in the platform's units
  bool operator==(const FileStamp& other) const {
    return Exists == other.Exists && Size == other.Size && Time == other.Time;
  }
};
using FileStamper = std::function<FileStamp(const std::string& path)>;

class UndoFileCheck {
 public:
  UndoFileCheck(FileStore& files, FileStamper stamp) : files_(files), stamp_(std::move(stamp)) {}

  // True when the file exists and holds a valid profile for this function count.
  bool Usable(const std::string& path, int functionCount);
  // The next question reads the file again.
  void Forget() { known_ = false; }

 private:
  FileStore& files_;
  FileStamper stamp_;
  bool known_ = false;
  std::string path_;
  int functionCount_ = 0;
  FileStamp stamped_;
  bool usable_ = false;
};

}  // namespace kv
