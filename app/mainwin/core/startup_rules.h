// Small start-up rules of the main program, free of windows so they are tested natively:
// operating-system kind, the window title's text ids, the single-instance caption match and the start page.
#pragma once

#include <string>

namespace kv {

// OsKind: 0 check failed, 1 Windows 9x, 2 NT below 5 (NT 4), 3 NT 5 or later.
enum OsKindValue { kOsUnknown = 0, kOsWin9x = 1, kOsNt4 = 2, kOsNt5 = 3 };
constexpr unsigned kPlatformWindows = 1;  // VER_PLATFORM_WIN32_WINDOWS
constexpr unsigned kPlatformNt = 2;       // VER_PLATFORM_WIN32_NT

int OsKindFromVersion(bool queried, unsigned platformId, unsigned majorVersion);
inline int Nt4Flag(int osKind) { return osKind == kOsNt4 ? 1 : 0; }
// The catalogue's OsFilter value of the running system: 1 on NT 4, 0 otherwise.
inline int RunningOsFilter(int osKind) { return osKind == kOsNt4 ? 1 : 0; }

// Title = text 102 + text (103 + NT-4 flag).
constexpr int kTitleProductText = 102;
constexpr int kTitleSystemText = 103;

// Single-instance match: both texts trimmed of blanks and upper-cased; true when the caption holds the
// searched text anywhere. An empty searched text matches nothing.
bool CaptionContains(const std::string& caption, const std::string& searched);

constexpr const char* kMessageWindowCaption = "KORVNMSGWINOW";

// Start page: tool 1 (no page) unless the last tool is to be shown; the restore page (99) is never
// reopened at start: it becomes the Windows page, tab 0.
struct StartPage {
  int ToolId;
  int Tab;
};
StartPage ChooseStartPage(bool viewLastTool, int lastTool, int lastToolTab);

}  // namespace kv
