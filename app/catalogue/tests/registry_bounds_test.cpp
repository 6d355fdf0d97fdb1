// Registry layer rules that need the in-memory store's instruments: keys are always closed, the
// key-tree deletion's 1000-pass bound, and the buffer sized by the longest value data.
#include <gtest/gtest.h>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"

namespace kv {
namespace {

constexpr std::uint32_t kHklm = 0x80000002u;

TEST(RegistryBounds, EveryOperationClosesItsKeys) {
  MemoryRegistryStore store;
  Registry reg(store);
  reg.RegWriteString("HKEY_LOCAL_MACHINE\\Software\\S\\A", "t", "x");
  reg.RegWriteDword("HKEY_LOCAL_MACHINE\\Software\\S\\A", "d", 1);
  reg.RegWriteBinary("HKEY_LOCAL_MACHINE\\Software\\S\\A\\B", "b", "01");
  reg.RegReadString("HKEY_LOCAL_MACHINE\\Software\\S\\A", "t", "");
  reg.RegReadString("HKEY_LOCAL_MACHINE\\Software\\S\\A", "absent", "");
  reg.RegReadDword("HKEY_LOCAL_MACHINE\\Software\\S\\A", "d", 0);
  reg.RegReadBinary("HKEY_LOCAL_MACHINE\\Software\\S\\A\\B", "b", "");
  reg.RegDelete("HKEY_LOCAL_MACHINE\\Software\\S\\A", "t");
  reg.RegDelete("HKEY_LOCAL_MACHINE\\Software\\S", "");
  EXPECT_EQ(store.OpenHandleCount(), 0u);
  EXPECT_FALSE(store.KeyExists(kHklm, "Software\\S"));
}

TEST(RegistryBounds, UndeletableKeyStopsAfterAThousandPasses) {
  MemoryRegistryStore store;
  Registry reg(store);
  reg.RegWriteString("HKEY_LOCAL_MACHINE\\Software\\Locked\\Child", "v", "x");
  store.DenyDeletion(kHklm, "Software\\Locked\\Child");
  reg.RegDelete("HKEY_LOCAL_MACHINE\\Software\\Locked", "");
  EXPECT_EQ(store.DeleteLeafKeyCalls(), 1000u);
  EXPECT_TRUE(store.KeyExists(kHklm, "Software\\Locked\\Child"));
  EXPECT_EQ(store.OpenHandleCount(), 0u);
}

TEST(RegistryBounds, TreeOfMoreThanAThousandKeysIsLeftPartlyDeleted) {
  MemoryRegistryStore store;
  Registry reg(store);
  for (int i = 0; i < 1000; ++i) store.PutValue(kHklm, "Software\\Big\\K" + std::to_string(i), "", kRegSz, {0});
  reg.RegDelete("HKEY_LOCAL_MACHINE\\Software\\Big", "");  // 1001 keys: the passes run out before the key itself
  EXPECT_TRUE(store.KeyExists(kHklm, "Software\\Big"));
  RegistryStore::Key key = 0;
  ASSERT_TRUE(store.OpenKey(kHklm, "Software\\Big", RegistryStore::Access::Read, &key));
  std::string name;
  EXPECT_FALSE(store.EnumSubKey(key, 0, &name));
  store.CloseKey(key);
  reg.RegDelete("HKEY_LOCAL_MACHINE\\Software\\Big", "");
  EXPECT_FALSE(store.KeyExists(kHklm, "Software\\Big"));
}

// Whatever a database action or a profile names, a key-tree delete spares root keys, their first-level
// keys and everything under HKEY_LOCAL_MACHINE\SYSTEM; deleting single values there still works.
TEST(RegistryBounds, KeyTreeDeleteSparesFirstLevelKeysAndTheSystemKey) {
  MemoryRegistryStore store;
  Registry reg(store, RootNames::LongAndShort);
  reg.RegWriteString("HKEY_CLASSES_ROOT\\exefile\\shell\\open\\command", "", "x");
  reg.RegWriteString("HKEY_CURRENT_USER\\Software\\Kept", "v", "x");
  reg.RegWriteString("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Disk", "Start", "0");
  reg.RegWriteString("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Tool", "v", "x");
  for (const char* path : {"HKEY_CLASSES_ROOT\\exefile", "HKEY_CLASSES_ROOT\\exefile\\", "HKCR\\\\exefile\\\\",
                           "HKEY_CURRENT_USER\\Software", "HKEY_LOCAL_MACHINE\\system\\CurrentControlSet",
                           "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Disk"}) {
    reg.RegDelete(path, "");
  }
  EXPECT_EQ(reg.RegReadString("HKEY_CLASSES_ROOT\\exefile\\shell\\open\\command", "", ""), "x");
  EXPECT_EQ(reg.RegReadString("HKEY_CURRENT_USER\\Software\\Kept", "v", ""), "x");
  EXPECT_TRUE(store.KeyExists(kHklm, "SYSTEM\\CurrentControlSet\\Services\\Disk"));
  reg.RegDelete("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Disk", "Start");
  EXPECT_EQ(reg.RegReadString("HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Disk", "Start", ""), "NoKey");
  reg.RegDelete("HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor", "");  // two levels down: deleted
  EXPECT_FALSE(store.KeyExists(kHklm, "SOFTWARE\\Vendor"));
}

TEST(RegistryBounds, MaxValueDataLengthAndItsBuffer) {
  MemoryRegistryStore store;
  Registry reg(store);
  store.PutValue(kHklm, "M", "a", kRegBinary, std::vector<std::uint8_t>(17, 1));
  store.PutValue(kHklm, "M", "b", kRegSz, {'x', 0});
  RegistryStore::Key key = 0;
  ASSERT_TRUE(store.OpenKey(kHklm, "M", RegistryStore::Access::Read, &key));
  EXPECT_EQ(reg.MaxValueDataLength(key), 17u);
  store.CloseKey(key);
  EXPECT_EQ(reg.MaxValueDataLength(12345), 0u);  // query fails: 0
  EXPECT_EQ(reg.RegReadBinary("HKEY_LOCAL_MACHINE\\M", "a", "").size(), 34u);
}

TEST(RegistryBounds, HandleOpenedForReadingCannotWrite) {
  MemoryRegistryStore store;
  store.PutValue(kHklm, "R", "v", kRegSz, {'x', 0});
  RegistryStore::Key key = 0;
  ASSERT_TRUE(store.OpenKey(kHklm, "R", RegistryStore::Access::Read, &key));
  EXPECT_FALSE(store.SetValue(key, "v", kRegSz, {'y', 0}));
  EXPECT_FALSE(store.DeleteValue(key, "v"));
  store.CloseKey(key);
}

}  // namespace
}  // namespace kv
