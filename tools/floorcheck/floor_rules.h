// The floor check: whether a built program or library can load on Windows NT 4.0 SP6a with
// Internet Explorer 5.01. The allowed imports come from a checked-in list (nt4_floor.txt) of
// "dll!Function  source" lines, each with where its NT 4.0 availability is documented.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "tools/floorcheck/pe_image.h"

namespace kv::floorcheck {

// The allowed imports as "dll!Function" (library lower-cased). Lines starting with '#' and empty
// lines are ignored; the first word of a line is the entry, the rest its source. A line without a
// source, or an entry without '!', is an error (named in `errors` with its line number).
struct FloorList {
  std::set<std::string> Allowed;
  std::vector<std::string> Errors;
};
FloorList ParseFloorList(const std::string& text);

// The runtime's own thread-local data in a DLL (MinGW's TLS index and callbacks): at most this many
// bytes. More means static thread_local data, which a library loaded by LoadLibrary cannot have on
// NT 4.0 and Windows 2000.
inline constexpr unsigned kRuntimeTlsBytes = 8;

// Every way `image` breaks the floor, one readable line each; empty when it keeps it.
std::vector<std::string> FloorViolations(const PeImage& image, const FloorList& floor);

}  // namespace kv::floorcheck
