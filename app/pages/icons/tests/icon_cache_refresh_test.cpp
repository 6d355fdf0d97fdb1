// The shell icon cache refresh as a sequence of steps: the size raised by one and set back around the
// cache file's deletion, each change announced, the desktop held throughout; failures skip nothing.
#include <gtest/gtest.h>

#include <vector>

#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/registry.h"
#include "app/pages/icons/core/icon_cache_refresh.h"

namespace kv {
namespace {

// Logs every value write into the shared step log; can refuse all writes.
class LoggingStore : public MemoryRegistryStore {
 public:
  explicit LoggingStore(std::vector<std::string>& log) : log_(log) {}
  bool refuseWrites = false;
  bool SetValue(Key key, const std::string& name, std::uint32_t type, const std::vector<std::uint8_t>& data) override {
    std::string text(data.begin(), data.end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    log_.push_back("write " + name + "=" + text + (refuseWrites ? " (refused)" : ""));
    return !refuseWrites && MemoryRegistryStore::SetValue(key, name, type, data);
  }
  bool DeleteValue(Key key, const std::string& name) override {
    log_.push_back("remove " + name);
    return MemoryRegistryStore::DeleteValue(key, name);
  }

 private:
  std::vector<std::string>& log_;
};

class RecordingShell : public IconCacheShell {
 public:
  explicit RecordingShell(std::vector<std::string>& log) : log_(log) {}
  void HoldDesktopDrawing() override { log_.push_back("hold"); }
  void ReleaseDesktopDrawing() override { log_.push_back("release"); }
  void BroadcastMetricsChange() override { log_.push_back("broadcast"); }
  void DeleteFileIfPresent(const std::string& path) override { log_.push_back("delete " + path); }

 private:
  std::vector<std::string>& log_;
};

class IconCacheRefreshTest : public ::testing::Test {
 protected:
  IconCacheRefreshTest() : store_(log_), registry_(store_), shell_(log_) {}
  std::vector<std::string> Refresh() {
    log_.clear();
    RefreshShellIconCache(registry_, shell_, "C:\\WINNT\\");
    return log_;
  }
  std::vector<std::string> Expected(const std::string& raised, const std::string& back, const char* note = "") {
    return {"hold", "write Shell Icon Size=" + raised + note, "broadcast", "delete C:\\WINNT\\ShellIconCache",
            "write Shell Icon Size=" + back + note, "broadcast", "release"};
  }
  std::string Size() { return registry_.RegReadString(kWindowMetricsKey, kShellIconSizeValue, ""); }

  std::vector<std::string> log_;
  LoggingStore store_;
  Registry registry_;
  RecordingShell shell_;
};

TEST_F(IconCacheRefreshTest, SizeRaisedThenSetBackToItsOldText) {
  ASSERT_TRUE(registry_.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, "31"));
  EXPECT_EQ(Refresh(), Expected("32", "31"));
  EXPECT_EQ(Size(), "31");
}

TEST_F(IconCacheRefreshTest, AbsentOrOddSizesStillRoundTrip) {
  // Absent: raised from the default 32, and afterwards absent again.
  EXPECT_EQ(Refresh(), (std::vector<std::string>{"hold", "write Shell Icon Size=33", "broadcast",
                                                 "delete C:\\WINNT\\ShellIconCache", "remove Shell Icon Size",
                                                 "broadcast", "release"}));
  EXPECT_EQ(registry_.RegReadString(kWindowMetricsKey, kShellIconSizeValue, "absent"), "absent");
  for (const char* odd : {"abc", "", " 48 pixels", "2147483647", "-5"}) {
    ASSERT_TRUE(registry_.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, odd));
    Refresh();
    EXPECT_EQ(Size(), odd);
  }
  EXPECT_EQ(NextIconSizeText("abc"), "1");
  EXPECT_EQ(NextIconSizeText(" 48 pixels"), "49");
  EXPECT_EQ(NextIconSizeText("2147483647"), "2147483648");
  EXPECT_EQ(NextIconSizeText("-5"), "-4");
}

TEST_F(IconCacheRefreshTest, RefusedWritesSkipNoStep) {
  ASSERT_TRUE(registry_.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, "32"));
  store_.refuseWrites = true;
  EXPECT_EQ(Refresh(), Expected("33", "32", " (refused)"));
}

}  // namespace
}  // namespace kv
