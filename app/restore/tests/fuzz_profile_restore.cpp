// Fuzz target: any bytes as a profile file restored with a small catalogue, as the restore window
// and the uninstall restore do (the first byte decides whether the marker is made valid). Whatever
// the file holds, a restore writes only the functions' own values: a value beside them in the same
// key and a value in a foreign key stay as they were, and every key opened is closed again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_codec.h"

namespace {

constexpr std::uint32_t kCurrentUser = 0x80000001u;
const char* const kOwnKey = "Software\\Fuzz\\Own";
const char* const kForeignKey = "Software\\Fuzz\\Foreign";

kv::RegistryAction OnAction(const char* name, std::int16_t kind, const char* data) {
  kv::RegistryAction a;
  a.KeyPath = std::string("HKEY_CURRENT_USER\\") + kOwnKey;
  a.ValueName = name;
  a.ValueKind = kind;
  a.Data = data;
  return a;
}

std::vector<kv::FunctionRecord> Catalogue() {
  std::vector<kv::FunctionRecord> functions(5);
  functions[1].OnActions[0] = OnAction("Text", kv::KindText, "on");
  functions[2].OnActions[0] = OnAction("Number", kv::KindDword, "1");
  functions[3].OnActions[0] = OnAction("Bytes", kv::KindBinary, "01 02");
  functions[3].OnActions[1] = OnAction("", kv::KindText, "x");
  return functions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<kv::FunctionRecord> functions = Catalogue();
  constexpr int n = 3;
  if (size < 1) return 0;
  kv::ProfileTable table = kv::DecodeProfile(data + 1, size - 1, n);
  // An odd first byte gives the records a valid marker, so that the restore itself gets every input.
  if (data[0] & 1) table[kv::MarkerRecordIndex(n)] = kv::MakeMarkerRecord("fuzz", n);
  kv::MemoryRegistryStore store;
  const std::vector<std::uint8_t> keep = {'k', 'e', 'e', 'p', 0};
  store.PutValue(kCurrentUser, kOwnKey, "Neighbour", 1, keep);
  store.PutValue(kCurrentUser, kForeignKey, "Other", 1, keep);
  kv::Registry registry(store);
  if (kv::ProfileMayBeRestored(table, n)) {
    for (int i = 1; i <= n; ++i) (void)kv::RestoreFunction(registry, table[static_cast<std::size_t>(i)], &functions[i]);
  }
  std::uint32_t type = 0;
  std::vector<std::uint8_t> now;
  if (!store.GetValue(kCurrentUser, kOwnKey, "Neighbour", &type, &now) || now != keep) std::abort();
  if (!store.GetValue(kCurrentUser, kForeignKey, "Other", &type, &now) || now != keep) std::abort();
  if (store.OpenHandleCount() != 0) std::abort();  // every key opened was closed again
  return 0;
}
