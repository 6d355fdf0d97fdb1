// Reading and writing BOOT.INI text (see boot_ini.h).
#include "app/pages/boot_parameters/core/boot_ini.h"

#include <climits>

namespace kv {

const std::array<const char*, kBootSwitchCount> kBootSwitchKeywords = {"/FASTDETECT", "/NOGUIBOOT", "/BASEVIDEO",
                                                                       "/SOS",        "/MAXMEM:",   "/NUMPROC="};

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool StartsWith(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// Leading decimal number (blanks skipped, optional sign); false when there is none or it does not
// fit 32 bits.
bool LeadingDecimal(const std::string& text, std::int64_t* value) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i >= text.size() || text[i] < '0' || text[i] > '9') return false;
  std::int64_t n = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    n = n * 10 + (text[i] - '0');
    if (n > static_cast<std::int64_t>(INT_MAX) + 1) return false;
  }
  n = negative ? -n : n;
  if (n < INT_MIN || n > INT_MAX) return false;
  *value = n;
  return true;
}

// The number after a switch keyword: the leading number of at most 10 characters, 0 when none.
std::int32_t NumberAfter(const std::string& switches, const char* keyword) {
  const std::size_t at = switches.find(keyword);
  std::int64_t n = 0;
  if (at == std::string::npos || !LeadingDecimal(switches.substr(at + std::string(keyword).size(), 10), &n)) return 0;
  return static_cast<std::int32_t>(n);
}

// The text of a "[section]" header line (blanks trimmed), or false when the line is none.
bool SectionName(const std::string& line, std::string* name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[' || t.back() != ']') return false;
  *name = Upper(Trim(t.substr(1, t.size() - 2)));
  return true;
}

// The value of a "key=value" line of the boot loader section, as the profile-string reading gives
// it: blanks trimmed, one pair of enclosing double quotes removed.
bool KeyValue(const std::string& line, const char* key, std::string* value) {
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos || Upper(Trim(line.substr(0, eq))) != key) return false;
  std::string v = Trim(line.substr(eq + 1));
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  *value = v;
  return true;
}

// A system line: path "=" then a description between double quotes, then switches. Comments and
// lines without a path or without two quotes are no systems.
bool ParseEntry(const std::string& line, BootEntry* entry) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';') return false;
  const std::size_t eq = t.find('=');
  if (eq == std::string::npos) return false;
  const std::string path = Trim(t.substr(0, eq));
  const std::string right = Trim(t.substr(eq + 1));
  const std::size_t open = right.find('"');
  const std::size_t close = open == std::string::npos ? open : right.find('"', open + 1);
  if (path.empty() || close == std::string::npos) return false;
  entry->ArcPath = path;
  entry->Kind = BootPathKind(path);
  entry->Description = Trim(right.substr(open + 1, close - open - 1));
  const std::size_t third = right.find('"', close + 1);
  const std::size_t switchLength = third == std::string::npos ? third : third - close - 1;
  const std::string switches = Upper(Trim(right.substr(close + 1, switchLength)));
  for (int k = 0; k < kBootSwitchCount; ++k)
    entry->Switches[k] = switches.find(kBootSwitchKeywords[k]) != std::string::npos;
  entry->MaxMem = entry->Switches[kMaxMemOn] ? NumberAfter(switches, kBootSwitchKeywords[kMaxMemOn]) : 0;
  entry->NumProc = entry->Switches[kNumProcOn] ? NumberAfter(switches, kBootSwitchKeywords[kNumProcOn]) : 0;
  return true;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::int16_t BootPathKind(const std::string& arcPath) {
  const std::string upper = Upper(arcPath);
  return (StartsWith(upper, "MULTI") || StartsWith(upper, "SCSI")) ? 2 : 1;
}

bool IsValidBootDescription(const std::string& text) {
  return !text.empty() && text.find_first_of("\"\r\n") == std::string::npos;
}

BootIni ParseBootIni(const std::string& text) {
  BootIni ini;
  enum { kBefore, kSystems, kAfter } where = kBefore;
  std::string section, timeout, defaultPath;
  bool haveTimeout = false, haveDefault = false;
  for (const std::string& line : Lines(text)) {
    std::string name, value;
    const bool header = SectionName(line, &name);
    if (where == kBefore) {
      if (header && name == "OPERATING SYSTEMS") {
        where = kSystems;
      } else if (header) {
        section = name;
        if (section != "BOOT LOADER") ini.LoaderLines.push_back(line);
      } else if (section == "BOOT LOADER" && KeyValue(line, "TIMEOUT", &value)) {
        if (!haveTimeout) timeout = value;  // the first one counts, like the profile-string reading
        haveTimeout = true;
      } else if (section == "BOOT LOADER" && KeyValue(line, "DEFAULT", &value)) {
        if (!haveDefault) defaultPath = value;
        haveDefault = true;
      } else if (!Trim(line).empty()) {
        ini.LoaderLines.push_back(line);
      }
      continue;
    }
    if (header) where = kAfter;
    BootEntry entry;
    if (where == kSystems && ParseEntry(line, &entry)) {
      ini.Entries.push_back(entry);
    } else if (!Trim(line).empty()) {
      ini.KeptLines.push_back(line);
    }
  }
  std::int64_t seconds = 0;
  if (LeadingDecimal(timeout, &seconds) && seconds >= INT16_MIN && seconds <= INT16_MAX)
    ini.Timeout = static_cast<std::int16_t>(seconds);
  ini.Default = defaultPath.empty() ? std::string("NoKey") : defaultPath;
  bool defaultShown = false;
  for (BootEntry& e : ini.Entries) {
    e.Picture = e.Kind;
    if (!defaultShown && e.ArcPath == ini.Default) {
      e.Picture = 3;
      defaultShown = true;
    }
  }
  return ini;
}

std::string FormatBootEntry(const BootEntry& entry) {
  std::string line = entry.ArcPath + "=\"" + entry.Description + "\"";
  for (int k = 0; k < kBootSwitchCount; ++k) {
    if (!entry.Switches[k]) continue;
    line += " ";
    line += kBootSwitchKeywords[k];
    if (k == kMaxMemOn) line += std::to_string(entry.MaxMem);
    if (k == kNumProcOn) line += std::to_string(entry.NumProc);
  }
  return line;
}

std::string FormatBootIni(const BootIni& ini) {
  const char* eol = "\r\n";
  std::string text = std::string("[boot loader]") + eol;
  text += "timeout=" + std::to_string(ini.Timeout) + eol;
  text += "default=" + (ini.Entries.empty() ? std::string() : ini.Entries.front().ArcPath) + eol;
  for (const std::string& line : ini.LoaderLines) text += line + eol;
  text += std::string("[Operating Systems]") + eol;
  for (const BootEntry& e : ini.Entries) text += FormatBootEntry(e) + eol;
  for (const std::string& line : ini.KeptLines) text += line + eol;
  return text;
}

}  // namespace kv
