// The benchmark's catalogue: 300 functions (FktAnzahl 299), each with three "on" actions, touching
// 900 values under HKEY_CURRENT_USER\Software\KvBench (text, DWORD and binary in turn).
#pragma once

#include <string>
#include <vector>

#include "app/catalogue/function_record.h"

namespace kv::bench {

inline constexpr int kBenchFunctionCount = 299;  // functions 0..299
inline constexpr const char* kBenchRoot = "Software\\KvBench";

struct BenchValue {
  std::string SubKey;  // below HKEY_CURRENT_USER
  std::string Name;
  int Kind;
};

inline std::vector<BenchValue> BenchValues() {
  std::vector<BenchValue> values;
  for (int i = 0; i <= kBenchFunctionCount; ++i) {
    for (int d = 0; d < 3; ++d) {
      values.push_back({std::string(kBenchRoot) + "\\Group" + std::to_string(i / 25),
                        "Value" + std::to_string(i) + "_" + std::to_string(d), (i + d) % 3});
    }
  }
  return values;
}

inline std::vector<FunctionRecord> BenchCatalogue() {
  std::vector<FunctionRecord> functions(kBenchFunctionCount + 2);
  const std::vector<BenchValue> values = BenchValues();
  for (std::size_t v = 0; v < values.size(); ++v) {
    FunctionRecord& f = functions[v / 3];
    f.Page = static_cast<std::int16_t>(1 + (v / 3) % 18);
    f.Caption = "Function " + std::to_string(v / 3);
    RegistryAction& a = f.OnActions[v % 3];
    a.KeyPath = "HKEY_CURRENT_USER\\" + values[v].SubKey;
    a.ValueName = values[v].Name;
    a.ValueKind = static_cast<std::int16_t>(values[v].Kind);
    a.Data = "1";
  }
  return functions;
}

}  // namespace kv::bench
