// BOOT.INI as text: reading it into the boot menu's timeout, default and one entry per listed system,
// and writing it back. Lines the entries cannot stand for (other keys of "[boot loader]", comments,
// malformed lines in the system section, later sections) are carried over unchanged, so a save never
// loses them nor turns them into broken system lines; only the six known start switches of a system
// survive a save, upper-case and in a fixed order.
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
};

struct BootIni {
  std::int16_t Timeout = 0;       // -1 wait for the user, 0 start at once, N seconds
  std::string Default = "NoKey";  // the "default" key's text ("NoKey" when absent or empty)
  std::vector<BootEntry> Entries;
  std::vector<std::string> LoaderLines;  // kept lines before "[operating systems]"
  std::vector<std::string> KeptLines;    // kept lines of and after the system section
};

BootIni ParseBootIni(const std::string& text);

// The file text: "[boot loader]", timeout, default (the first entry's path), the kept loader lines,
// "[Operating Systems]", one line per entry, the kept lines; every line ended by CR LF.
std::string FormatBootIni(const BootIni& ini);
std::string FormatBootEntry(const BootEntry& entry);

// Kind of an ARC path: 2 when it starts with "MULTI" or "SCSI" (any case), else 1.
std::int16_t BootPathKind(const std::string& arcPath);

// A description a system line can carry: not empty, no double quote, no line break.
bool IsValidBootDescription(const std::string& text);

}  // namespace kv
