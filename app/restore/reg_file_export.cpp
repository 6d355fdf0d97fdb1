// Profile to REGEDIT4 file (see reg_file_export.h).
#include "app/restore/reg_file_export.h"

#include <cstdio>
#include <map>
#include <vector>

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/hex_text.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_values.h"

namespace kv {

namespace {

constexpr const char* kEol = "\r\n";

// The root names a registry file may start a key with; the helper's short names map onto them.
std::string RegFileKeyPath(const std::string& keyPath) {
  static const char* const kRoots[][2] = {
      {"HKEY_LOCAL_MACHINE", "HKLM"}, {"HKEY_CURRENT_USER", "HKCU"}, {"HKEY_CLASSES_ROOT", "HKCR"},
      {"HKEY_USERS", "HKUS"},         {"HKEY_CURRENT_CONFIG", "HKCC"},
  };
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string::npos || slash + 1 >= keyPath.size()) return std::string();
  const std::string root = keyPath.substr(0, slash);
  for (const auto& r : kRoots)
    if (root == r[0] || root == r[1]) return std::string(r[0]) + keyPath.substr(slash);
  return std::string();  // HKEY_DYN_DATA, HKEY_PERFORMANCE_DATA, unknown: not importable
}

std::string ValueLabel(const std::string& valueName) { return valueName.empty() ? "@" : RegFileString(valueName); }

struct Line {
  std::string Text;    // the value line(s)
  std::string Key;     // as written in the section header
  std::string Name;    // for the comment block
  bool Deletion = false;
};

// The value line of one entry, or "" with `why` set when a REGEDIT4 file cannot carry it.
std::string ValueLine(const RegistryAction& e, bool* deletion, std::string* why) {
  const std::string label = ValueLabel(e.ValueName) + "=";
  *deletion = false;
  switch (e.ValueKind) {
    case KindText:
      if (e.Data == kMissingText) break;
      if (e.Data.find_first_of("\r\n") != std::string::npos) {
        *why = "a line break cannot be written in a REGEDIT4 text";
        return std::string();
      }
      return label + RegFileString(e.Data) + kEol;
    case KindDword: {
      if (e.Data == kMissingDwordText) break;
      std::int32_t number = 0;
      if (!ParseStoredDword(e.Data, &number)) {
        *why = "damaged number in the profile";
        return std::string();
      }
      char digits[16];
      std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(static_cast<std::uint32_t>(number)));
      return label + "dword:" + digits + kEol;
    }
    case KindBinary: {
      if (e.Data == kMissingText) break;
      std::vector<std::uint8_t> bytes;
      if (!HexTextToBytes(e.Data, &bytes)) {
        *why = "damaged binary data in the profile";
        return std::string();
      }
      return RegFileHexLine(label, bytes) + kEol;
    }
    default:
      *why = e.ValueKind == kKindLeftOut ? "not saved in the profile" : "value kind unknown";
      return std::string();
  }
  *deletion = true;
  return label + "-" + kEol;
}

std::string CommentLine(const std::string& key, const std::string& name, const std::string& why) {
  return ";   [" + key + "] " + ValueLabel(name) + (why.empty() ? "" : " (" + why + ")") + kEol;
}

}  // namespace

std::string RegFileString(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string RegFileHexLine(const std::string& prefix, const std::vector<std::uint8_t>& bytes) {
  std::string out = prefix + "hex:";
  std::size_t column = out.size();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    out += pair;
    column += 2;
    if (i + 1 == bytes.size()) break;
    out += ',';
    ++column;
    if (column > 76) {
      out += "\\";
      out += kEol;
      out += "  ";
      column = 2;
    }
  }
  return out;
}

RegFileExport ExportProfileAsRegFile(const ProfileTable& table, int functionCount, const FunctionLookup& function,
                                     const FunctionFilter& selected, const std::string& source) {
  RegFileExport result;
  const int n = NormalisedFunctionCount(functionCount);
  std::vector<std::string> keyOrder;                     // sections in order of first appearance
  std::map<std::string, std::string> sections;           // upper-cased key -> value lines
  std::map<std::string, std::string> sectionNames;       // upper-cased key -> key as written
  std::map<std::string, bool> seen;                      // upper-cased key + "\n" + name
  std::string deletions, leftOut, wholeBitValues;
  for (int i = 0; i <= n && static_cast<std::size_t>(i) < table.size(); ++i) {
    const ProfileRecord& record = table[static_cast<std::size_t>(i)];
    if (!selected(i, record)) continue;
    const FunctionRecord* f = function(i);
    for (std::size_t d = 0; d < record.Entries.size(); ++d) {
      const RegistryAction& e = record.Entries[d];
      if (e.KeyPath.empty()) continue;
      if (!f || !EntryFitsAction(e, f->OnActions[d])) {
        // Not this function's value (a damaged or foreign profile): never exported, as never restored.
        ++result.LeftOut;
        leftOut += CommentLine(e.KeyPath, e.ValueName, "not a value of function " + std::to_string(i));
        continue;
      }
      const std::string key = RegFileKeyPath(e.KeyPath);
      if (key.empty()) {
        ++result.LeftOut;
        leftOut += CommentLine(e.KeyPath, e.ValueName, "this root cannot be imported");
        continue;
      }
      const std::string id = AnsiUpper(key) + "\n" + AnsiUpper(e.ValueName);
      if (seen[id]) continue;
      seen[id] = true;
      bool deletion = false;
      std::string why;
      const std::string line = ValueLine(e, &deletion, &why);
      if (line.empty()) {
        ++result.LeftOut;
        leftOut += CommentLine(key, e.ValueName, why);
        continue;
      }
      const std::string upperKey = AnsiUpper(key);
      if (!sections.count(upperKey)) {
        keyOrder.push_back(upperKey);
        sectionNames[upperKey] = key;
      }
      sections[upperKey] += line;
      ++result.Values;
      if (deletion) {
        ++result.Deletions;
        deletions += CommentLine(key, e.ValueName, std::string());
      }
      if (BitOfAction(f->OnActions[d]) >= 0) wholeBitValues += CommentLine(key, e.ValueName, std::string());
    }
  }

  std::string& out = result.Text;
  out = std::string("REGEDIT4") + kEol + kEol;
  out += "; Korvane 2000 profile " + source + kEol;
  if (!deletions.empty()) {
    out += std::string("; Values absent when the profile was taken are deleted below (\"name\"=-). The registry") +
           kEol + "; editor of Windows 2000 applies that; the one of Windows NT 4.0 is not documented to and may" +
           kEol + "; leave them. On Windows NT 4.0 delete these values by hand, or use KORVNST.EXE /RESTORE:" + kEol +
           deletions;
  }
  if (!wholeBitValues.empty()) {
    out += std::string("; These values hold on/off bits of several functions and are written whole:") + kEol +
           wholeBitValues;
  }
  if (!leftOut.empty()) out += std::string("; Left out (a REGEDIT4 file cannot carry them):") + kEol + leftOut;
  for (const std::string& k : keyOrder) out += kEol + ("[" + sectionNames[k] + "]") + kEol + sections[k];
  out += kEol;
  return result;
}

}  // namespace kv
