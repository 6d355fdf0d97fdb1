// What the registry contract tests need from the store they run against: the in-memory store natively,
// the real registry (Win32RegistryStore) under Wine.
#pragma once

#include <memory>
#include <string>

#include "app/catalogue/registry_store.h"

namespace kv::test {

class ContractEnvironment {
 public:
  virtual ~ContractEnvironment() = default;
  virtual RegistryStore& store() = 0;
  // True where a REG_SZ value stored without its terminating zero reads back with one added (Wine).
  virtual bool AddsStringTerminator() const = 0;
  virtual std::string name() const = 0;
};

std::unique_ptr<ContractEnvironment> MakeContractEnvironment();

}  // namespace kv::test
