// Common-dialog path rules (see path_rules.h).
#include "dialogs/core/path_rules.h"

#include <cctype>

namespace kvdlg {

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }
char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string CutAtNul(const std::string& text) {
  std::size_t nul = text.find('\0');
  return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string DisplayFileName(const std::string& name) {
  bool anyUpper = false;
  for (char c : name) {
    if (IsLower(c)) return name;
    if (IsUpper(c)) anyUpper = true;
  }
  if (!anyUpper) return name;
  std::string shown;
  for (char c : name) shown += ToLower(c);
  shown[0] = ToUpper(shown[0]);
  return shown;
}

FileDialogStart FileDialogStartFor(const std::string& file) {
  FileDialogStart start;
  std::string path = CutAtNul(file);
  if (path.empty()) {
    start.folder = "C:\\";
    return start;
  }
  std::size_t slash = path.find_last_of('\\');
  if (slash == std::string::npos) {
    start.name = DisplayFileName(path);
    return start;
  }
  start.folder = path.substr(0, slash + 1);
  start.name = DisplayFileName(path.substr(slash + 1));
  return start;
}

std::string FileNameBuffer(const std::string& name) {
  std::string buffer = name;
  buffer.resize(name.size() < kFileNameBufferChars ? kFileNameBufferChars : name.size() + 1, '\0');
  return buffer;
}

std::string DefaultFileFilter(const std::string& allFilesText) {
  std::string filter = allFilesText;
  filter += '\0';
  filter += "*.*";
  filter += '\0';
  return filter;
}

IconLocation ParseIconLocation(const std::string& text, std::int32_t defaultIndex) {
  IconLocation location;
  std::size_t comma = text.find(',');
  if (comma == std::string::npos || comma == 0) {
    location.file = text;
    location.index = defaultIndex;
    return location;
  }
  std::string file = text.substr(0, comma);
  while (!file.empty() && file.back() == ' ') file.pop_back();
  location.file = file;
  std::string rest = text.substr(comma + 1);
  std::size_t i = 0;
  while (i < rest.size() && rest[i] == ' ') ++i;
  long long value = 0;
  bool negative = i < rest.size() && rest[i] == '-';
  if (negative) ++i;
  for (; i < rest.size() && std::isdigit(static_cast<unsigned char>(rest[i])); ++i) {
    value = value * 10 + (rest[i] - '0');
    if (value > 0x7fffffff) value = 0x7fffffff;
  }
  location.index = static_cast<std::int32_t>(negative ? -value : value);
  return location;
}

std::string IconLocationText(const std::string& path, std::int32_t index) {
  if (index > 0) return path + " ," + std::to_string(index);
  return path;
}

std::string ExpandSystemRoot(const std::string& path, const std::string& windowsFolder) {
  static const std::string kToken = "%SystemRoot%";
  std::size_t at = path.find(kToken);
  if (at == std::string::npos) return path;
  std::size_t end = at + kToken.size();
  if (end < path.size() && path[end] == '\\') ++end;
  return path.substr(0, at) + windowsFolder + path.substr(end);
}

std::string UpperCase(const std::string& text) {
  std::string out;
  for (char c : text) out += ToUpper(c);
  return out;
}

bool WildcardMatch(const std::string& text, const std::string& pattern) {
  // Iterative match with one backtrack point for the last "*".
  std::size_t t = 0, p = 0, starP = std::string::npos, starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || ToLower(pattern[p]) == ToLower(text[t]))) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool FolderMatchesSpec(const std::string& path, const std::string& prefixPattern) {
  if (prefixPattern.empty()) return true;
  return WildcardMatch(path, prefixPattern + "*");
}

std::string WithTrailingBackslash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + "\\";
}

}  // namespace kvdlg
