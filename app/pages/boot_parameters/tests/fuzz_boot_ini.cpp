// Fuzzes the BOOT.INI reader: never crashes, a save with nothing changed writes the text as read, and
// a save with every system edited reads back to the same systems and timeout.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/catalogue/fuzz/fuzz_check.h"
#include "app/pages/boot_parameters/core/boot_ini.h"

namespace {
bool SameEntries(const kv::BootIni& a, const kv::BootIni& b) {
  if (a.Entries.size() != b.Entries.size()) return false;
  for (std::size_t i = 0; i < a.Entries.size(); ++i) {
    const kv::BootEntry& x = a.Entries[i];
    const kv::BootEntry& y = b.Entries[i];
    if (x.ArcPath != y.ArcPath || x.Kind != y.Kind || x.Description != y.Description || x.Switches != y.Switches)
      return false;
    if (x.Switches[kv::kMaxMemOn] && x.MaxMem != y.MaxMem) return false;
    if (x.Switches[kv::kNumProcOn] && x.NumProc != y.NumProc) return false;
  }
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  kv::BootIni first = kv::ParseBootIni(text);
  KV_FUZZ_CHECK(text.empty() || kv::FormatBootIni(first) == text);
  for (kv::BootEntry& e : first.Entries) {
    for (bool& on : e.Switches) on = !on;
    e.MaxMem = 48;
    e.NumProc = 3;
  }
  first.Timeout = 7;
  const kv::BootIni second = kv::ParseBootIni(kv::FormatBootIni(first));
  KV_FUZZ_CHECK(SameEntries(first, second));
  KV_FUZZ_CHECK(first.Timeout == second.Timeout);
  return 0;
}
