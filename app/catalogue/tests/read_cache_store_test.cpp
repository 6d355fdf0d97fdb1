// The read-batch store: no stale answers after a write, nothing left open, and outside a batch every
// call reaches the inner store.
#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/read_cache_store.h"
#include "app/catalogue/tests/counting_registry_store.h"
#include "app/catalogue/registry.h"

namespace kv {
namespace {

TEST(ReadCacheStore, WritesAndDeletesAreSeenByLaterReads) {
  MemoryRegistryStore store;
  ReadCacheStore cache(store);
  Registry registry(cache, RootNames::LongAndShort);
  const std::string key = "HKCU\\Software\\T";
  EXPECT_EQ(registry.RegReadString(key, "A", ""), "NoKey");  // the missing key is remembered ...
  registry.RegWriteString(key, "A", std::string(5000, 'a'));  // ... until a write
  EXPECT_EQ(registry.RegReadString(key, "A", "").size(), 5000u);
  registry.RegWriteString(key, "B", std::string(9000, 'b'));  // a longer value: the remembered length is gone
  EXPECT_EQ(registry.RegReadString(key, "B", "").size(), 9000u);
  registry.RegDelete(key, "");
  EXPECT_EQ(registry.RegReadString(key, "A", ""), "NoKey");
  cache.Forget();
  EXPECT_EQ(store.OpenHandleCount(), 0u);
}

TEST(ReadCacheStore, EndingTheBatchClosesKeysAndPassesEveryCallThrough) {
  CountingRegistryStore store;
  ReadCacheStore cache(store);
  Registry registry(cache, RootNames::LongAndShort);
  registry.RegWriteDword("HKCU\\Software\\T", "N", 7);
  store.opens = 0;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\T", "N", 0), 7);
  EXPECT_EQ(store.opens, 1);
  EXPECT_EQ(store.OpenHandleCount(), 1u);

  cache.SetCaching(false);
  EXPECT_EQ(store.OpenHandleCount(), 0u);
  store.opens = 0;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\T", "N", 0), 7);
  EXPECT_EQ(store.opens, 5);
  EXPECT_EQ(store.OpenHandleCount(), 0u);
  // A key deleted and made again is read afresh, not through a remembered handle.
  registry.RegDelete("HKCU\\Software\\T", "");
  registry.RegWriteDword("HKCU\\Software\\T", "N", 8);
  EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\T", "N", 0), 8);
  EXPECT_EQ(store.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace kv
