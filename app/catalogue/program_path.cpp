// Program and library path rules (see program_path.h).
#include "app/catalogue/program_path.h"

namespace kv {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

bool IsFullPath(const std::string& path) {
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && IsSeparator(path[2])) return true;
  // A network path needs a server name after the two separators.
  return path.size() >= 3 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
}

std::string QuotedCommandLine(const std::string& program, const std::string& arguments) {
  std::string line = "\"" + program + "\"";
  if (!arguments.empty()) line += " " + arguments;
  return line;
}

}  // namespace kv
