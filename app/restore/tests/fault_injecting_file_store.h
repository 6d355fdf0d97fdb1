// A real file store (the platform's: stdio natively, Win32 under Wine) whose disk fails at one chosen
// step of a write: creating the file, any one piece written, the flush to the disk, the close, or the
// replacement of the target (the schedule: tests/fault_steps.h).
#pragma once

#include <cstdio>
#include <string>

#include "app/restore/file_store.h"
#include "tests/fault_steps.h"
#ifdef _WIN32
#include "app/restore/win32_file_store.h"
#endif

namespace kv::test {

#ifdef _WIN32
using PlatformFileStore = Win32FileStore;
#else
using PlatformFileStore = StdioFileStore;
#endif

class FaultInjectingFileStore : public PlatformFileStore, public FaultSteps {
 public:
  explicit FaultInjectingFileStore(int failAt) : FaultSteps(failAt) {}
#ifdef _WIN32
  FaultInjectingFileStore(int failAt, FileAccess access) : PlatformFileStore(access), FaultSteps(failAt) {}
#endif

  bool Replace(const std::string& from, const std::string& to) override {
    return !Fails("replace") && PlatformFileStore::Replace(from, to);
  }

 protected:
  std::FILE* OpenNew(const std::string& path) override {
    return Fails("create") ? nullptr : PlatformFileStore::OpenNew(path);
  }
  // A failing write is a torn one: half the piece reaches the file before the disk gives up.
  bool WriteChunk(std::FILE* file, const std::uint8_t* data, std::size_t size) override {
    if (Fails("write")) {
      PlatformFileStore::WriteChunk(file, data, size / 2);
      return false;
    }
    return PlatformFileStore::WriteChunk(file, data, size);
  }
  bool FlushToDisk(std::FILE* file) override { return !Fails("flush") && PlatformFileStore::FlushToDisk(file); }
  // The file is closed either way; the failure is the system reporting lost data on closing.
  bool CloseFile(std::FILE* file) override {
    const bool closed = PlatformFileStore::CloseFile(file);
    return !Fails("close") && closed;
  }
};

}  // namespace kv::test
