// The system calls behind the Icons page: short path names and the window-system steps of the shell
// icon cache refresh.
#pragma once

#include <string>

#include "app/pages/icons/core/icon_cache_refresh.h"

namespace kv {

// The file's short (8.3) path in upper case. When the system gives no short form (the file does not
// exist, or is a bare name the icon extraction finds along the search path) the given text in upper
// case, so the icon dialog and the drawing still get the name the value holds.
std::string ShortUpperPath(const std::string& file);

class Win32IconCacheShell : public IconCacheShell {
 public:
  void HoldDesktopDrawing() override;
  void ReleaseDesktopDrawing() override;
  void BroadcastMetricsChange() override;
  void DeleteFileIfPresent(const std::string& path) override;
};

}  // namespace kv
