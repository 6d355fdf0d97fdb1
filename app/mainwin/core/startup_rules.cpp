// Start-up rules (see startup_rules.h).
#include "app/mainwin/core/startup_rules.h"

#include <cctype>

namespace kv {

int OsKindFromVersion(bool queried, unsigned platformId, unsigned majorVersion) {
  if (!queried) return kOsUnknown;
  if (platformId == kPlatformWindows) return kOsWin9x;
  if (platformId == kPlatformNt) return majorVersion < 5 ? kOsNt4 : kOsNt5;
  return kOsUnknown;
}

namespace {
std::string TrimUpper(const std::string& s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return std::string();
  std::size_t e = s.find_last_not_of(' ');
  std::string out = s.substr(b, e - b + 1);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}
}  // namespace

bool CaptionContains(const std::string& caption, const std::string& searched) {
  std::string needle = TrimUpper(searched);
  if (needle.empty()) return false;
  return TrimUpper(caption).find(needle) != std::string::npos;
}

StartPage ChooseStartPage(bool viewLastTool, int lastTool, int lastToolTab) {
  if (!viewLastTool) return {1, 0};
  if (lastTool == 99) return {500, 0};
  return {lastTool, lastToolTab};
}

}  // namespace kv
