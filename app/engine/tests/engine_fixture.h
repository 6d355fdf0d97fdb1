// Shared set-up of the engine tests: an in-memory registry, a hand-built catalogue and an engine on them.
#pragma once

#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/engine/function_engine.h"

namespace kv::test {

inline constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\EngineTest";

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    catalogue_.FktAnzahl = 8;
    catalogue_.Functions.resize(10);
    engine_.InitPathVariables({"C:\\WINNT\\system32", "C:\\WINNT\\", "C:\\TEMP", "C:\\Korvane"});
  }

  FunctionRecord& Fn(int n) { return catalogue_.Functions[static_cast<std::size_t>(n)]; }

  // A state read from kKey\<value>.
  FunctionRecord& StateFunction(int n, std::int16_t kind, const std::string& onValue, std::int16_t matching = 1,
                                std::int16_t missing = 0) {
    FunctionRecord& f = Fn(n);
    f.StateKeyPath = kKey;
    f.StateValueName = "state";
    f.StateValueKind = kind;
    f.OnValue = onValue;
    f.StateWhenMatching = matching;
    f.StateWhenMissing = missing;
    return f;
  }

  void PutRaw(const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) {
    store_.PutValue(0x80000001u, "Software\\EngineTest", name, type, data);
  }
  std::vector<std::uint8_t> GetRaw(const std::string& name, std::uint32_t* type = nullptr) {
    std::uint32_t t = 0;
    std::vector<std::uint8_t> data;
    if (!store_.GetValue(0x80000001u, "Software\\EngineTest", name, &t, &data)) return {0xDE, 0xAD};
    if (type != nullptr) *type = t;
    return data;
  }

  MemoryRegistryStore store_;
  Registry registry_{store_};
  Catalogue catalogue_;
  FunctionEngine engine_{registry_, catalogue_};
};

}  // namespace kv::test
