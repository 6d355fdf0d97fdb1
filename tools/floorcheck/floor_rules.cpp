// The floor rules (see floor_rules.h).
#include "tools/floorcheck/floor_rules.h"

#include <cctype>
#include <sstream>

namespace kv::floorcheck {

namespace {
std::string Trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

std::string Entry(const std::string& library, const std::string& function) {
  std::string lower = library;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower + "!" + function;
}
}  // namespace

FloorList ParseFloorList(const std::string& text) {
  FloorList list;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    std::size_t space = 0;
    while (space < line.size() && !std::isspace(static_cast<unsigned char>(line[space]))) ++space;
    const std::string entry = line.substr(0, space);
    const std::size_t bang = entry.find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == entry.size()) {
      list.Errors.push_back("line " + std::to_string(number) + ": not dll!Function: " + entry);
    } else if (Trim(line.substr(space)).empty()) {
      list.Errors.push_back("line " + std::to_string(number) + ": " + entry + " has no source");
    } else {
      list.Allowed.insert(Entry(entry.substr(0, bang), entry.substr(bang + 1)));
    }
  }
  return list;
}

std::vector<std::string> FloorViolations(const PeImage& image, const FloorList& floor) {
  std::vector<std::string> problems;
  if (image.Machine != 0x14C || image.Pe32Plus) problems.push_back("not a 32-bit x86 (PE32, i386) image");
  if (image.SubsystemMajor > 4 || (image.SubsystemMajor == 4 && image.SubsystemMinor > 0)) {
    problems.push_back("subsystem version " + std::to_string(image.SubsystemMajor) + "." +
                       std::to_string(image.SubsystemMinor) + " is above 4.0");
  }
  if (image.OsMajor > 4 || (image.OsMajor == 4 && image.OsMinor > 0)) {
    problems.push_back("OS version " + std::to_string(image.OsMajor) + "." + std::to_string(image.OsMinor) +
                       " is above 4.0");
  }
  if (image.IsLibrary && image.TlsDataBytes > kRuntimeTlsBytes) {
    problems.push_back("static thread-local data of " + std::to_string(image.TlsDataBytes) +
                       " bytes in a library (NT 4.0 and Windows 2000 give none to libraries loaded later)");
  }
  for (const ImportedFunction& f : image.Imports) {
    const std::string entry = Entry(f.Library, f.Function);
    if (!floor.Allowed.count(entry)) {
      problems.push_back("imports " + entry + (f.Delayed ? " (delay-loaded)" : "") +
                         ", which is not on the NT 4.0 list");
    }
  }
  return problems;
}

}  // namespace kv::floorcheck
