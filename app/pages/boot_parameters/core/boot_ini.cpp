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

// The pieces of a system line: path "=" then a description between double quotes, then switches
// up to a third quote, then the rest. Comments and lines without a path or two quotes are no systems.
struct SystemLineParts {
  std::string Path;
  std::size_t Open = 0, Close = 0, SwitchEnd = 0;  // the two quotes; where the switch text ends
};

bool SplitSystemLine(const std::string& line, SystemLineParts* parts) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';') return false;
  const std::size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  const std::size_t open = line.find('"', eq + 1);
  const std::size_t close = open == std::string::npos ? open : line.find('"', open + 1);
  parts->Path = Trim(line.substr(0, eq));
  if (parts->Path.empty() || close == std::string::npos) return false;
  parts->Open = open;
  parts->Close = close;
  const std::size_t third = line.find('"', close + 1);
  parts->SwitchEnd = third == std::string::npos ? line.size() : third;
  return true;
}

bool ParseEntry(const std::string& line, BootEntry* entry) {
  SystemLineParts parts;
  if (!SplitSystemLine(line, &parts)) return false;
  entry->ArcPath = parts.Path;
  entry->Kind = BootPathKind(parts.Path);
  entry->Description = Trim(line.substr(parts.Open + 1, parts.Close - parts.Open - 1));
  const std::string switches = Upper(Trim(line.substr(parts.Close + 1, parts.SwitchEnd - parts.Close - 1)));
  for (int k = 0; k < kBootSwitchCount; ++k)
    entry->Switches[k] = switches.find(kBootSwitchKeywords[k]) != std::string::npos;
  entry->MaxMem = entry->Switches[kMaxMemOn] ? NumberAfter(switches, kBootSwitchKeywords[kMaxMemOn]) : 0;
  entry->NumProc = entry->Switches[kNumProcOn] ? NumberAfter(switches, kBootSwitchKeywords[kNumProcOn]) : 0;
  entry->Line = line;
  return true;
}

// The settings a save writes: what the page shows of a system.
bool SameSettings(const BootEntry& a, const BootEntry& b) {
  if (a.Description != b.Description || a.Switches != b.Switches) return false;
  if (a.Switches[kMaxMemOn] && a.MaxMem != b.MaxMem) return false;
  return !a.Switches[kNumProcOn] || a.NumProc == b.NumProc;
}

std::string SwitchWithNumber(const BootEntry& entry, int k) {
  std::string text = kBootSwitchKeywords[k];
  if (k == kMaxMemOn) text += std::to_string(entry.MaxMem);
  if (k == kNumProcOn) text += std::to_string(entry.NumProc);
  return text;
}

// The managed switches a blank-separated word of the switch text stands for (the read's substring
// test): usually none or one.
std::vector<int> ManagedSwitchesOf(const std::string& word) {
  const std::string upper = Upper(word);
  std::vector<int> found;
  for (int k = 0; k < kBootSwitchCount; ++k)
    if (upper.find(kBootSwitchKeywords[k]) != std::string::npos) found.push_back(k);
  return found;
}

bool NumberMatches(const std::string& word, const BootEntry& entry, int k) {
  if (k == kMaxMemOn) return NumberAfter(Upper(word), kBootSwitchKeywords[k]) == entry.MaxMem;
  if (k == kNumProcOn) return NumberAfter(Upper(word), kBootSwitchKeywords[k]) == entry.NumProc;
  return true;
}

// The switch text with the entry's managed switches applied in place: a cleared switch's word goes
// (with the blanks before it), a number that changed is rewritten, a switch set anew is added at the
// end; every other word and blank stays as it was.
std::string EditSwitchText(const std::string& text, const BootEntry& entry) {
  std::string out;
  std::array<bool, kBootSwitchCount> present{};
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t wordStart = i;
    while (wordStart < text.size() && IsBlank(text[wordStart])) ++wordStart;
    std::size_t wordEnd = wordStart;
    while (wordEnd < text.size() && !IsBlank(text[wordEnd])) ++wordEnd;
    const std::string blanks = text.substr(i, wordStart - i);
    const std::string word = text.substr(wordStart, wordEnd - wordStart);
    i = wordEnd;
    const std::vector<int> managed = ManagedSwitchesOf(word);
    bool keep = true;
    for (int k : managed) keep = keep && entry.Switches[k] && NumberMatches(word, entry, k);
    if (keep) {
      out += blanks + word;
    } else if (managed.size() == 1 && entry.Switches[managed[0]]) {
      out += blanks + SwitchWithNumber(entry, managed[0]);  // the same switch with its new number
    } else {
      continue;  // cleared: the word goes; a switch still set in it is added at the end
    }
    for (int k : managed) present[k] = true;
  }
  for (int k = 0; k < kBootSwitchCount; ++k)
    if (entry.Switches[k] && !present[k]) out += " " + SwitchWithNumber(entry, k);
  return out;
}

// The text's lines with their endings ("\n" splits; a "\r" before it belongs to the ending).
std::vector<BootLine> SplitLines(const std::string& text) {
  std::vector<BootLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    BootLine line;
    if (end == std::string::npos) {
      end = text.size();
    } else {
      line.Eol = "\n";
    }
    line.Text = text.substr(start, end - start);
    if (!line.Eol.empty() && !line.Text.empty() && line.Text.back() == '\r') {
      line.Text.pop_back();
      line.Eol = "\r\n";
    }
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
  bool haveHeader = false, haveTimeout = false, haveDefault = false;
  ini.Lines = SplitLines(text);
  for (BootLine& line : ini.Lines) {
    std::string name, value;
    const bool header = SectionName(line.Text, &name);
    if (where == kBefore) {
      if (header && name == "OPERATING SYSTEMS") {
        where = kSystems;
      } else if (header) {
        section = name;
        if (section == "BOOT LOADER" && !haveHeader) line.Kind = BootLine::kLoaderHeader;
        haveHeader = haveHeader || section == "BOOT LOADER";
      } else if (section == "BOOT LOADER" && !haveTimeout && KeyValue(line.Text, "TIMEOUT", &value)) {
        timeout = value;  // the first one counts, like the profile-string reading
        haveTimeout = true;
        line.Kind = BootLine::kTimeout;
      } else if (section == "BOOT LOADER" && !haveDefault && KeyValue(line.Text, "DEFAULT", &value)) {
        defaultPath = value;
        haveDefault = true;
        line.Kind = BootLine::kDefault;
      }
      continue;
    }
    if (header) where = kAfter;
    BootEntry entry;
    if (where == kSystems && ParseEntry(line.Text, &entry)) {
      line.Kind = BootLine::kSystem;
      line.Entry = static_cast<int>(ini.Entries.size());
      ini.Entries.push_back(entry);
    }
  }
  std::int64_t seconds = 0;
  if (LeadingDecimal(timeout, &seconds) && seconds >= INT16_MIN && seconds <= INT16_MAX)
    ini.Timeout = static_cast<std::int16_t>(seconds);
  ini.Default = defaultPath.empty() ? std::string("NoKey") : defaultPath;
  ini.TimeoutAsRead = ini.Timeout;
  ini.DefaultAsRead = ini.Default;
  MarkDefaultEntry(ini);
  return ini;
}

void MarkDefaultEntry(BootIni& ini) {
  bool defaultShown = false;
  for (BootEntry& e : ini.Entries) {
    e.Picture = e.Kind;
    if (!defaultShown && e.ArcPath == ini.Default) {
      e.Picture = 3;
      defaultShown = true;
    }
  }
}

std::string FormatBootEntry(const BootEntry& entry) {
  BootEntry asRead;
  SystemLineParts parts;
  if (!ParseEntry(entry.Line, &asRead) || !SplitSystemLine(entry.Line, &parts)) {
    BootEntry fresh = entry;
    fresh.Line = entry.ArcPath + "=\"" + entry.Description + "\"";
    return ParseEntry(fresh.Line, &asRead) ? FormatBootEntry(fresh) : fresh.Line;
  }
  if (SameSettings(entry, asRead)) return entry.Line;
  const std::string& line = entry.Line;
  const std::string description = entry.Description == asRead.Description
                                      ? line.substr(parts.Open + 1, parts.Close - parts.Open - 1)
                                      : entry.Description;
  return line.substr(0, parts.Open + 1) + description + "\"" +
         EditSwitchText(line.substr(parts.Close + 1, parts.SwitchEnd - parts.Close - 1), entry) +
         line.substr(parts.SwitchEnd);
}

std::string FormatBootIni(const BootIni& ini) {
  const std::string eol = "\r\n";
  const bool timeoutChanged = ini.Timeout != ini.TimeoutAsRead;
  const bool defaultChanged = ini.Default != ini.DefaultAsRead;
  bool haveHeader = false, haveTimeout = false, haveDefault = false;
  for (const BootLine& line : ini.Lines) {
    haveHeader = haveHeader || line.Kind == BootLine::kLoaderHeader;
    haveTimeout = haveTimeout || line.Kind == BootLine::kTimeout;
    haveDefault = haveDefault || line.Kind == BootLine::kDefault;
  }
  const std::string timeoutLine = "timeout=" + std::to_string(ini.Timeout);
  const std::string defaultLine = "default=" + (ini.Default == "NoKey" ? std::string() : ini.Default);
  // Keys the file lacks, to go right under the loader section's header.
  std::string missingKeys;
  if (!haveTimeout && timeoutChanged) missingKeys += timeoutLine + eol;
  if (!haveDefault && defaultChanged) missingKeys += defaultLine + eol;

  if (ini.Lines.empty()) {
    std::string text = "[boot loader]" + eol + timeoutLine + eol + defaultLine + eol;
    return text + "[Operating Systems]" + eol;
  }
  std::string text;
  if (!haveHeader && !missingKeys.empty()) text += "[boot loader]" + eol + missingKeys;
  for (const BootLine& line : ini.Lines) {
    std::string written = line.Text;
    if (line.Kind == BootLine::kTimeout && timeoutChanged) written = timeoutLine;
    if (line.Kind == BootLine::kDefault && defaultChanged) written = defaultLine;
    if (line.Kind == BootLine::kSystem && line.Entry >= 0 && line.Entry < static_cast<int>(ini.Entries.size()))
      written = FormatBootEntry(ini.Entries[line.Entry]);
    // A last line without an ending gets one when something follows it.
    text += written + (line.Eol.empty() && line.Kind == BootLine::kLoaderHeader && !missingKeys.empty() ? eol : line.Eol);
    if (line.Kind == BootLine::kLoaderHeader) text += missingKeys;
  }
  return text;
}

}  // namespace kv
