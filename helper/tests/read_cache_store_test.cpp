// The read-batch store under the profile scan: the same snapshot as the plain store, far fewer opens,
// nothing left open.
#include <gtest/gtest.h>

#include "app/catalogue/read_cache_store.h"
#include "app/catalogue/tests/counting_registry_store.h"
#include "app/restore/profile_snapshot.h"
#include "helper/tests/fakes.h"

namespace kv::helper {
namespace {

std::vector<FunctionRecord> Catalogue() {
  std::vector<FunctionRecord> functions(40);
  for (int i = 0; i < 38; ++i) {
    for (int d = 0; d < 3; ++d) {
      RegistryAction& a = functions[static_cast<std::size_t>(i)].OnActions[static_cast<std::size_t>(d)];
      a.KeyPath = std::string(i % 2 ? "HKCU" : "HKEY_CURRENT_USER") + "\\Software\\T\\K" + std::to_string(i % 4);
      a.ValueName = "V" + std::to_string(i * 3 + d);
      a.ValueKind = static_cast<std::int16_t>(d);
    }
  }
  return functions;
}

TEST(ReadCacheStore, SnapshotIsTheSameWithFarFewerOpensAndNoHandleLeft) {
  CountingRegistryStore store;
  Registry plain(store, RootNames::LongAndShort);
  for (int i = 0; i < 114; i += 2) {
    const std::string key = "HKEY_CURRENT_USER\\Software\\T\\K" + std::to_string((i / 3) % 4);
    plain.RegWriteString(key, "V" + std::to_string(i), std::string(static_cast<std::size_t>(i * 7), 'x'));
  }
  plain.RegWriteDword("HKCU\\Software\\T\\K1", "V4", -5);
  const ProfileTable expected = TakeSnapshot(plain, Catalogue(), 38, "s");
  const int plainOpens = store.opens;

  store.opens = 0;
  {
    ReadCacheStore cache(store);
    Registry cached(cache, RootNames::LongAndShort);
    EXPECT_EQ(TakeSnapshot(cached, Catalogue(), 38, "s"), expected);
    EXPECT_LE(store.opens, 4);
    EXPECT_GT(plainOpens, 100);
  }
  EXPECT_EQ(store.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace kv::helper
