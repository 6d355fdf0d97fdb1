// Contract environment of the native build: the in-memory store.
#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/tests/registry_contract_env.h"

namespace kv::test {

namespace {
class MemoryEnvironment : public ContractEnvironment {
 public:
  RegistryStore& store() override { return store_; }
  bool AddsStringTerminator() const override { return false; }
  std::string name() const override { return "memory store"; }

 private:
  MemoryRegistryStore store_;
};
}  // namespace

std::unique_ptr<ContractEnvironment> MakeContractEnvironment() { return std::make_unique<MemoryEnvironment>(); }

}  // namespace kv::test
