// The batch store: no stale answers after a write, nothing left open, a restore-like run of writes and
// read-backs opens each key once, and outside a batch every call reaches the inner store.
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

// What a restore does for each value: read, write the stored data (a text keeps REG_EXPAND_SZ, so it is
// read first), read back. Each key is opened once for reading and once for writing, however many
// values, and a value made longer than any before reads back whole.
TEST(ReadCacheStore, WritesAndReadBacksOfABatchOpenEachKeyOnce) {
  CountingRegistryStore store;
  ReadCacheStore cache(store);
  Registry registry(cache, RootNames::LongAndShort);
  const std::string keys[] = {"HKCU\\Software\\A", "HKLM\\Software\\B\\C"};
  for (int round = 1; round <= 3; ++round) {
    for (const std::string& key : keys) {
      for (int v = 0; v < 5; ++v) {
        const std::string name = "V" + std::to_string(v), text(round * 3000 + v, 'x');
        registry.RegReadString(key, name, "");
        EXPECT_TRUE(registry.RegWriteString(key, name, text));
        EXPECT_EQ(registry.RegReadString(key, name, ""), text) << key << " " << name;
        EXPECT_TRUE(registry.RegWriteDword(key, name + "n", round));
        EXPECT_EQ(registry.RegReadDword(key, name + "n", 0), round);
      }
    }
  }
  // Per key: the read that finds it missing, the write's open that fails and its creation, the
  // reopening for reading; nothing for the other 29 writes and 30 read-backs.
  EXPECT_EQ(store.opens + store.creates, 2 * 4) << "opens " << store.opens << ", creates " << store.creates;
  cache.SetCaching(false);
  EXPECT_EQ(store.OpenHandleCount(), 0u);
}

// A restore that deletes a now empty key closes only that key's handles (and those below it): the
// other keys stay open, and the deleted key and its child read as missing until made again.
TEST(ReadCacheStore, DeletingAKeyClosesOnlyItsOwnTree) {
  CountingRegistryStore store;
  ReadCacheStore cache(store);
  Registry registry(cache, RootNames::LongAndShort);
  registry.RegWriteDword("HKCU\\Software\\Keep", "N", 1);
  registry.RegWriteDword("HKCU\\Software\\Gone\\Child", "N", 2);
  registry.RegWriteDword("HKCU\\Software\\Gonext", "N", 3);  // same beginning, not below
  for (const char* key : {"HKCU\\Software\\Keep", "HKCU\\Software\\Gone\\Child", "HKCU\\Software\\Gonext"})
    registry.RegReadDword(key, "N", 0);
  registry.RegDelete("HKCU\\Software\\Gone", "");
  store.opens = 0;
  EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\Keep", "N", 0), 1);
  EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\Gonext", "N", 0), 3);
  EXPECT_EQ(store.opens, 0) << "keys outside the deleted tree were closed";
  EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\Gone\\Child", "N", 0), 0);
  registry.RegWriteDword("HKCU\\Software\\Gone\\Child", "N", 4);
  EXPECT_EQ(registry.RegReadDword("HKCU\\Software\\Gone\\Child", "N", 0), 4);
  cache.SetCaching(false);
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
  EXPECT_EQ(store.OpenHandleCount(), 2u);  // the key opened for the write stays open too

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
