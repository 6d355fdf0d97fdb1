// Icon location texts (see icon_location.h).
#include "app/pages/icons/core/icon_location.h"

#include <cctype>

#include "app/pages/core/own_tab_functions.h"

namespace kv {

namespace {
std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}
}  // namespace

IconLocation ParseIconLocation(const std::string& text) {
  IconLocation where;
  const std::size_t comma = text.find(',');
  if (comma != std::string::npos && comma > 0) {
    where.File = Trimmed(text.substr(0, comma));
    where.Index = LeadingNumber(text.substr(comma + 1));
  } else {
    where.File = Trimmed(text);
  }
  if (where.File.size() > kMaxIconFileChars) where.File.clear();
  return where;
}

std::string DefaultIconLocation(const std::string& systemFolder, const std::string& valueName) {
  return systemFolder + "SHELL32.DLL ," + valueName;
}

std::string ExpandSystemRoot(std::string text, const std::string& windowsFolder) {
  static const std::string kVariable = "%systemroot%\\";
  std::size_t from = 0;
  while (from + kVariable.size() <= text.size()) {
    if (EqualIgnoringCase(text.substr(from, kVariable.size()), kVariable)) {
      text.replace(from, kVariable.size(), windowsFolder);
      from += windowsFolder.size();
    } else {
      ++from;
    }
  }
  return text;
}

std::string IconCargo(int function, const std::string& location) { return std::to_string(function) + "|" + location; }

IconCargoParts SplitIconCargo(const std::string& cargo) {
  IconCargoParts parts;
  const std::size_t bar = cargo.find('|');
  if (bar == std::string::npos || bar == 0 || bar > 9) return parts;  // at most 9 digits: no overflow
  for (std::size_t i = 0; i < bar; ++i)
    if (!std::isdigit(static_cast<unsigned char>(cargo[i]))) return parts;
  parts.Function = std::stoi(cargo.substr(0, bar));
  parts.Location = cargo.substr(bar + 1);
  return parts;
}

bool SameIconLocation(const IconLocation& a, const IconLocation& b) {
  return a.Index == b.Index && EqualIgnoringCase(a.File, b.File);
}

}  // namespace kv
