// Native consistency environment: in-memory registry, every OsFilter, no icon files.
#include "app/catalogue/memory_registry_store.h"
#include "tools/kvcat/tests/consistency_env.h"

namespace kvcat::test {
namespace {

class MemoryEnvironment : public ConsistencyEnvironment {
 public:
  kv::RegistryStore& store() override { return store_; }
  kv::PlatformFolders folders() const override {
    return {"C:\\WINNT\\system32", "C:\\WINNT", "C:\\TEMP", "C:\\Program Files\\Korvane 2000"};
  }
  OsKind os() const override { return OsKind::Any; }
  bool canCheckIcons() const override { return false; }
  bool IconExists(const std::string&, int) const override { return false; }
  bool KnownMissingIcon(const std::string&) const override { return false; }

 private:
  kv::MemoryRegistryStore store_;
};

}  // namespace

std::unique_ptr<ConsistencyEnvironment> MakeConsistencyEnvironment() { return std::make_unique<MemoryEnvironment>(); }

}  // namespace kvcat::test
