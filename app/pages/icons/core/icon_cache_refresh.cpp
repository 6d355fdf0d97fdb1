// The shell icon cache refresh (see icon_cache_refresh.h).
#include "app/pages/icons/core/icon_cache_refresh.h"

#include "app/catalogue/registry.h"
#include "app/pages/core/own_tab_functions.h"

namespace kv {

std::string NextIconSizeText(const std::string& sizeText) {
  return std::to_string(static_cast<long long>(LeadingNumber(sizeText)) + 1);
}

void RefreshShellIconCache(Registry& registry, IconCacheShell& shell, const std::string& windowsFolder) {
  shell.HoldDesktopDrawing();
  const std::string size = registry.RegReadString(kWindowMetricsKey, kShellIconSizeValue, "32");
  registry.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, NextIconSizeText(size));
  shell.BroadcastMetricsChange();
  shell.DeleteFileIfPresent(windowsFolder + kShellIconCacheFile);
  registry.RegWriteString(kWindowMetricsKey, kShellIconSizeValue, size);
  shell.BroadcastMetricsChange();
  shell.ReleaseDesktopDrawing();
}

}  // namespace kv
