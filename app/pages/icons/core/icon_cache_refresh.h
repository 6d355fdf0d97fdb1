// Makes the shell redraw its icons after an icon location changed: "Shell Icon Size" is raised by one
// and set back (removed again when it was absent), each time announced to every window, and the
// shell's icon cache file is deleted in between, with the desktop's drawing held meanwhile. Every
// step's failure is ignored.
#pragma once

#include <string>

namespace kv {

class Registry;

inline constexpr const char* kWindowMetricsKey = "HKEY_CURRENT_USER\\Control Panel\\Desktop\\WindowMetrics";
inline constexpr const char* kShellIconSizeValue = "Shell Icon Size";
inline constexpr const char* kShellIconCacheFile = "ShellIconCache";

// The window-system steps of the refresh.
class IconCacheShell {
 public:
  virtual ~IconCacheShell() = default;
  virtual void HoldDesktopDrawing() = 0;
  virtual void ReleaseDesktopDrawing() = 0;
  // The setting-change message (non-client metrics) to all top-level windows, hung ones skipped.
  virtual void BroadcastMetricsChange() = 0;
  // Deletes the file when it exists, read-only or hidden attributes cleared first.
  virtual void DeleteFileIfPresent(const std::string& path) = 0;
};

// The whole refresh; `windowsFolder` ends with a backslash.
void RefreshShellIconCache(Registry& registry, IconCacheShell& shell, const std::string& windowsFolder);

// "Shell Icon Size" one larger: the text's leading number plus one, in decimal.
std::string NextIconSizeText(const std::string& sizeText);

}  // namespace kv
