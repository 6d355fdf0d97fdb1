// The shell icon cache refresh (see icon_cache_refresh.h).
#include "app/pages/icons/core/icon_cache_refresh.h"

#include "app/catalogue/registry.h"
#include "app/pages/core/own_tab_functions.h"

namespace kv {

std::string NextIconSizeText(const std::string& sizeText) {
  return std::to_string(static_cast<long long>(LeadingNumber(sizeText)) + 1);
}

namespace {
// Whether the value is there at all, of any type: a missing value reads as the default given, so two
// different defaults both coming back means there is none.
bool ValueExists(const Registry& registry, const char* key, const char* name) {
  const char* const first = "\x01missing";
  const char* const second = "\x02missing";
  return registry.RegReadString(key, name, first) != first || registry.RegReadString(key, name, second) != second;
}
}  // namespace

void RefreshShellIconCache(Registry& registry, IconCacheShell& shell, const std::string& windowsFolder) {
  shell.HoldDesktopDrawing();
  const bool existed = ValueExists(registry, kWindowMetricsKey, kShellIconSizeValue);
  const std::string size = registry.RegReadString(kWindowMetricsKey, kShellIconSizeValue, "32");
  registry.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, NextIconSizeText(size));
  shell.BroadcastMetricsChange();
  shell.DeleteFileIfPresent(windowsFolder + kShellIconCacheFile);
  // Back the way it was: the old text, or no value (the shell's own default) when there was none.
  if (existed) {
    registry.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, size);
  } else {
    registry.RegDelete(kWindowMetricsKey, kShellIconSizeValue);
  }
  shell.BroadcastMetricsChange();
  shell.ReleaseDesktopDrawing();
}

}  // namespace kv
