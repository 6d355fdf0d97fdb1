// BOOT.INI as text: reading it into the boot menu's timeout, default and one entry per listed system,
// and writing it back. A save changes only what the user changed: every line is kept as read (its
// line ending too) unless it is the timeout, the default or a system line whose settings were edited.
// An edited system line keeps its path, every switch the page does not manage (/3GB, /PAE, /HAL=,
// /KERNEL=, /BOOTLOG, /CMDCONS ...) and their places; only the six managed switches are taken out,
// updated where they stand, or added at the end.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kv {

enum BootSwitch { kFastDetect, kNoGuiBoot, kBaseVideo, kSos, kMaxMemOn, kNumProcOn, kBootSwitchCount };

// The switch keywords in writing order; /MAXMEM: and /NUMPROC= are followed by their number.
extern const std::array<const char*, kBootSwitchCount> kBootSwitchKeywords;

struct BootEntry {
  std::string ArcPath;      // left of "=", blanks trimmed
  std::int16_t Kind = 1;    // 2 for "multi(..." and "scsi(..." paths (NT systems), else 1
  std::string Description;  // between the first two double quotes, blanks trimmed
  std::array<bool, kBootSwitchCount> Switches{};
  std::int32_t MaxMem = 0;   // megabytes, with /MAXMEM:
  std::int32_t NumProc = 0;  // processors, with /NUMPROC=
  int Picture = 1;           // list picture: Kind, or 3 for the default system
  std::string Line;          // the line as read; written unchanged while the settings above are
};

// One line of the file as read, and what it stands for.
struct BootLine {
  enum Role { kOther, kLoaderHeader, kTimeout, kDefault, kSystem };
  Role Kind = kOther;
  std::string Text;   // without its line ending
  std::string Eol;    // "\r\n", "\n" or "" (last line without one)
  int Entry = -1;     // index into Entries for a system line
};

struct BootIni {
  std::int16_t Timeout = 0;       // -1 wait for the user, 0 start at once, N seconds
  std::string Default = "NoKey";  // the "default" key's text ("NoKey" when absent or empty)
  std::vector<BootEntry> Entries;
  std::vector<BootLine> Lines;    // the whole file in order
  std::int16_t TimeoutAsRead = 0;
  std::string DefaultAsRead = "NoKey";
};

BootIni ParseBootIni(const std::string& text);

// The file text: the lines as read, with the changed timeout, default and system lines rewritten. A
// changed key the file did not have goes right under "[boot loader]" (added at the top when there is
// no such section). An empty BootIni gives "[boot loader]", "timeout=0", "default=" and
// "[Operating Systems]".
std::string FormatBootIni(const BootIni& ini);
// A system line: the line as read while nothing was changed, else the line with the edits applied
// (or, for an entry that was never read, path, description and the set switches in fixed order).
std::string FormatBootEntry(const BootEntry& entry);

// Gives the picture of the default system (3) to the first entry whose path equals `ini.Default`
// exactly; every other entry shows its Kind.
void MarkDefaultEntry(BootIni& ini);

// Kind of an ARC path: 2 when it starts with "MULTI" or "SCSI" (any case), else 1.
std::int16_t BootPathKind(const std::string& arcPath);

// A description a system line can carry: not empty, no double quote, no line break.
bool IsValidBootDescription(const std::string& text);

}  // namespace kv
