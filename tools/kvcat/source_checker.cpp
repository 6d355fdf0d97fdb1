// Validation rules of the catalogue source.
#include "tools/kvcat/source_checker.h"

#include <cstdio>
#include <map>
#include <set>

#include "app/catalogue/binary_stream.h"
#include "app/catalogue/registry.h"
#include "tools/kvcat/cp1252.h"

namespace kvcat {
namespace {

const char* const kRootNames[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT",
                                  "HKEY_USERS", "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG",
                                  "HKEY_DYN_DATA"};

// What each slot of the index table expects: the restore-group page and the input kind
// (0 on/off, 1 text, 2 number).
struct SlotExpectation {
  int page;
  int input;
};

SlotExpectation ExpectedForSlot(int slot) {
  if (slot <= 4) return {4, 2};        // mouse and menu timing
  if (slot == 5) return {4, 0};        // fast mouse initialisation (inverted on/off)
  if (slot <= 13) return {3, 1};       // shell folders
  if (slot == 16 || slot == 21) return {6, 0};  // automatic logon, tiled bitmap
  if (slot <= 21) return {6, 1};       // logon texts, colour, bitmap
  if (slot == 22) return {8, 1};       // drive mask (hex text)
  if (slot <= 46) return {10, 1};      // desktop icons
  if (slot <= 58) return {11, 1};      // start-menu icons
  return {-1, -1};                     // unused slots: anything
}

std::string CodePointText(std::uint32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}

const char* LanguageName(Language language) {
  return language == Language::English ? "English" : "German";
}

Language Other(Language language) {
  return language == Language::English ? Language::German : Language::English;
}

// An NT 4 function and its Windows 2000 counterpart: never shown together.
bool IsSystemPair(int firstOs, int secondOs) {
  return (firstOs == 0 && secondOs == 1) || (firstOs == 1 && secondOs == 0);
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return text;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return text;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// A whole text the engine reads as a DWORD: decimal digits with an optional sign, or "&H" and hex digits.
bool IsDwordText(const std::string& text) {
  std::size_t at = 0;
  if (text.size() > 2 && (text.compare(0, 2, "&H") == 0 || text.compare(0, 2, "&h") == 0)) {
    for (at = 2; at < text.size() && IsHexDigit(text[at]); ++at) {}
    return at == text.size();
  }
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const std::size_t digits = at;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {}
  return at == text.size() && at > digits;
}

// Binary data as the registry layer writes it: two hex digits per byte.
bool IsByteHexText(const std::string& text) {
  if (text.empty() || text.size() % 2 != 0) return false;
  for (char c : text) {
    if (!IsHexDigit(c)) return false;
  }
  return true;
}

// A source that names Windows 2000 and no NT 4 document establishes the function for Windows 2000 only.
bool DocumentsWindows2000Only(const std::string& source) {
  const std::string upper = Upper(source);
  if (upper.find("WINDOWS 2000") == std::string::npos) return false;
  for (const char* nt4 : {"NT 4", "NT4", "NT WORKSTATION 4", "NT SERVER 4"}) {
    if (upper.find(nt4) != std::string::npos) return false;
  }
  // "Windows NT" alone (a Knowledge Base article's system, the Windows NT Resource Kit) is the NT 4 era;
  // only "Windows NT 3..." names an older system.
  for (std::size_t at = upper.find("WINDOWS NT"); at != std::string::npos; at = upper.find("WINDOWS NT", at + 1)) {
    if (upper.compare(at + 10, 2, " 3") != 0) return false;
  }
  return true;
}

class Checker {
 public:
  Checker(const CatalogueSource& source, const CheckOptions& options) : source_(source), options_(options) {}

  Diagnostics Run() {
    CollectNumbers();
    for (const SourceSection& section : source_.sections) {
      switch (section.kind) {
        case SectionKind::Function: CheckFunction(section); break;
        case SectionKind::Page: CheckPage(section); break;
        case SectionKind::Slots: CheckSlots(section); break;
      }
    }
    return std::move(out_);
  }

 private:
  void Report(const SourcePlace& place, const std::string& field, const std::string& message) {
    out_.push_back({place, field, message});
  }

  bool LanguageWanted(Language language) const {
    return options_.bothLanguages || language == options_.language;
  }

  // First section of each function and page number; later ones are duplicates.
  void CollectNumbers() {
    for (const SourceSection& section : source_.sections) {
      if (section.kind == SectionKind::Function) {
        if (section.number < 0 || section.number > 32766) {
          Report(section.place, "function", "function number must be 0 to 32766");
          continue;
        }
        auto [it, fresh] = functions_.emplace(section.number, &section);
        if (!fresh) {
          Report(section.place, "function", "duplicate function number " + std::to_string(section.number) +
                                                " (first at " + it->second->place.file + ":" +
                                                std::to_string(it->second->place.line) + ")");
        }
      } else if (section.kind == SectionKind::Page) {
        if (section.number < 0 || section.number >= kv::kGroupCaptionRecords) {
          Report(section.place, "page", "page number must be 0 to 25");
          continue;
        }
        auto [it, fresh] = pages_.emplace(section.number, &section);
        if (!fresh) {
          Report(section.place, "page", "duplicate page " + std::to_string(section.number) + " (first at " +
                                            it->second->place.file + ":" +
                                            std::to_string(it->second->place.line) + ")");
        }
      }
    }
  }

  void CheckText(const std::string& field, const FieldValue& value) {
    const Cp1252Result converted = Utf8ToCp1252(value.value);
    if (!converted.ok) {
      Report(value.place, field,
             converted.badUtf8 ? "text is not valid UTF-8"
                               : "character " + CodePointText(converted.badChar) +
                                     " cannot be written in code page 1252");
    } else if (converted.text.size() > kv::kMaxFileTextLength) {
      Report(value.place, field,
             "text is " + std::to_string(converted.text.size()) + " bytes; at most 65535 fit");
    }
  }

  // Both languages of a text pair: one given without the other is a missing text.
  void CheckPair(const SourceSection& section, const std::string& base, const std::string& what) {
    const FieldValue* en = section.Find(base + ".en");
    const FieldValue* de = section.Find(base + ".de");
    const bool hasEn = en && !en->value.empty();
    const bool hasDe = de && !de->value.empty();
    if (hasEn == hasDe) return;
    const Language missing = hasEn ? Language::German : Language::English;
    if (!LanguageWanted(missing)) return;
    const FieldValue* given = hasEn ? en : de;
    Report(given->place, base + "." + LanguageSuffix(missing),
           std::string("missing ") + LanguageName(missing) + " " + what + " (the " +
               LanguageName(Other(missing)) + " one is given)");
  }

  void CheckKeyPath(const std::string& field, const FieldValue* value) {
    if (!value || value->value.empty()) return;
    const std::string& path = value->value;
    const std::size_t slash = path.find('\\');
    const std::string root = path.substr(0, slash);
    for (const char* name : kRootNames) {
      if (slash != std::string::npos && root == name) return;
    }
    Report(value->place, field, slash == std::string::npos
                                    ? "key path '" + path + "' has no root name followed by '\\'"
                                    : "unknown root name '" + root + "'");
  }

  void CheckRange(const SourceSection& section, const std::string& field, int value, int low, int high,
                  const std::string& message) {
    if (value >= low && value <= high) return;
    const FieldValue* given = section.Find(field);
    Report(given ? given->place : section.place, field, message + " (is " + std::to_string(value) + ")");
  }

  void CheckFunction(const SourceSection& section) {
    kv::FunctionRecord record;
    for (const auto& [name, value] : section.fields) {
      Language language = Language::English;
      const FunctionField* field = FindFunctionField(name, &language);
      if (name == kSourceField) {
        CheckText(name, value);  // documentation only: never written to the binary files
      } else if (field == nullptr) {
        Report(value.place, name, "unknown field");
      } else if (std::int16_t* number = NumberSlot(*field, record)) {
        if (!ParseFieldNumber(value.value, *number)) {
          Report(value.place, name, "'" + value.value + "' is not a number from -32768 to 32767");
        }
      } else if (field->type != FieldType::LanguageText || LanguageWanted(language)) {
        CheckText(name, value);
        *TextSlot(*field, record) = value.value;
      }
    }
    for (const char* pair : {"caption", "help", "prompt", "unit"}) {
      CheckPair(section, pair, std::string(pair) + " text");
    }
    CheckCaptionPresent(section);
    CheckPlacement(section, record);
    CheckRange(section, "os", record.OsFilter, 0, 2, "OsFilter must be 0, 1 or 2");
    CheckRange(section, "input", record.InputKind, 0, 2, "input must be 0 (on/off), 1 (text) or 2 (number)");
    CheckRange(section, "state.kind", record.StateValueKind, 0, 2,
               "value kind out of range (0 text, 1 DWORD, 2 binary)");
    CheckRange(section, "number.style", record.NumberStyle, 0, 1, "number style must be 0 (up-down) or 1 (slider)");
    CheckKeyPath("state.key", section.Find("state.key"));
    if (record.OnValue.rfind("%BIT%", 0) == 0 && record.StateValueKind != 2) {
      Report(section.Find("state.on")->place, "state.on", "a %BIT% test needs a binary state value (state.kind = 2)");
    }
    for (int i = 0; i < 6; ++i) CheckAction(section, record, i);
    CheckOnValue(section, record);
    CheckStateLocationUnique(section, record);
    CheckStateKindMatchesActions(section, record);
    for (const Language language : {Language::English, Language::German}) {
      if (LanguageWanted(language)) CheckCaptionUniqueOnPage(section, record, language);
    }
    if (options_.documentation) CheckDocumentation(section, record);
  }

  // What "on" means must be data the state value can hold: a number for a DWORD, hex bytes for a
  // binary value (or a bit test); "NoKey" (absent) suits every kind.
  void CheckOnValue(const SourceSection& section, const kv::FunctionRecord& record) {
    const FieldValue* on = section.Find("state.on");
    if (record.InputKind != kv::InputOnOff || !on || record.OnValue == kv::kNoKey ||
        record.OnValue.rfind("%BIT%", 0) == 0) {
      return;  // a bit test has a rule of its own
    }
    if (record.StateValueKind == kv::KindDword && !IsDwordText(record.OnValue)) {
      Report(on->place, "state.on", "'" + record.OnValue + "' is not a number, but the state value is a DWORD");
    } else if (record.StateValueKind == kv::KindBinary && !IsByteHexText(record.OnValue)) {
      Report(on->place, "state.on", "'" + record.OnValue + "' is not hex text of even length, but the state value is binary");
    }
  }

  // One caption twice on a page cannot be told apart in the tree; an NT 4 function and its Windows 2000
  // counterpart (os 1 and 0) are never shown together and may share theirs.
  void CheckCaptionUniqueOnPage(const SourceSection& section, const kv::FunctionRecord& record, Language language) {
    const std::string field = std::string("caption.") + LanguageSuffix(language);
    const FieldValue* caption = section.Find(field);
    if (!caption || caption->value.empty() || !IsKnownPage(record.Page)) return;
    const std::string key = std::to_string(record.Page) + "|" + field + "|" + caption->value;
    const auto [it, fresh] = captionOwners_.emplace(key, Owner{&section, record.OsFilter});
    if (fresh) return;
    if (IsSystemPair(it->second.os, record.OsFilter)) return;
    Report(caption->place, field,
           "caption '" + caption->value + "' is already used on page " + std::to_string(record.Page) + " by function " +
               std::to_string(it->second.section->number) + " (" + it->second.section->place.file + ":" +
               std::to_string(it->second.section->place.line) +
               "); only an NT 4 / Windows 2000 pair (os 1 and 0) may share a caption");
  }

  // Where the registry location, the data and the systems are documented; a function no one can trace
  // does not belong in a tool that changes system settings.
  void CheckDocumentation(const SourceSection& section, const kv::FunctionRecord& record) {
    const FieldValue* source = section.Find(kSourceField);
    if (!source || source->value.empty()) {
      Report(section.place, kSourceField,
             "function has no source (the documentation of its registry location, data and systems)");
      return;
    }
    if (IsUntracedSource(source->value)) {
      // Only the program's own controls may keep a function that awaits its document; a tree line
      // the user ticks must be traced or go.
      if (IsTreePage(record.Page)) {
        Report(source->place, kSourceField,
               "an untraced function does not belong on a tree page (page " + std::to_string(record.Page) +
                   "): trace it or remove it");
        return;
      }
      // The user is told, in the function's help, that the value is undocumented.
      for (Language language : {Language::English, Language::German}) {
        if (!LanguageWanted(language)) continue;
        const std::string field = std::string("help.") + LanguageSuffix(language);
        const FieldValue* help = section.Find(field);
        const char* note = UntracedHelpNote(language);
        if (!help || help->value.find(note) == std::string::npos) {
          Report(help ? help->place : section.place, field,
                 std::string("an untraced function's help must say so: '") + note + "'");
        }
      }
      return;
    }
    if (DocumentsWindows2000Only(source->value) && record.OsFilter != 0) {
      const FieldValue* os = section.Find("os");
      Report(os ? os->place : section.place, "os",
             "the source names Windows 2000 and no NT 4 document, so os must be 0 (is " +
                 std::to_string(record.OsFilter) + ")");
    }
  }

  // Two functions reading one value would undo each other's changes and be restored twice; only bit
  // functions share a value (one bit each), and an NT 4 / Windows 2000 pair (os 1 and 0), which is never
  // shown together.
  void CheckStateLocationUnique(const SourceSection& section, const kv::FunctionRecord& record) {
    if (record.StateKeyPath.empty()) return;
    std::string location = Lower(record.StateKeyPath + "\\" + record.StateValueName);
    if (record.OnValue.rfind("%BIT%", 0) == 0) location += "|" + record.OnValue;
    const auto [it, fresh] = stateOwners_.emplace(location, Owner{&section, record.OsFilter});
    if (fresh || IsSystemPair(it->second.os, record.OsFilter)) return;
    const FieldValue* value = section.Find("state.value");
    Report(value ? value->place : section.place, "state.value",
           "reads the same value as function " + std::to_string(it->second.section->number) + " (" +
               it->second.section->place.file + ":" + std::to_string(it->second.section->place.line) +
               "); only bit functions and an NT 4 / Windows 2000 pair may share a value");
  }

  // A function reads its state as the kind its actions write: a DWORD read as text never matches, so
  // the tree would show a state the function did not apply.
  void CheckStateKindMatchesActions(const SourceSection& section, kv::FunctionRecord& record) {
    // Bit functions and kinds out of range have messages of their own.
    if (record.StateKeyPath.empty() || record.OnValue.rfind("%BIT%", 0) == 0 || record.StateValueKind < 0 ||
        record.StateValueKind > 2) {
      return;
    }
    const std::string state = Lower(record.StateKeyPath + "\\" + record.StateValueName);
    for (int i = 0; i < 6; ++i) {
      const kv::RegistryAction& action = ActionAt(record, i);
      if (action.KeyPath.empty() || action.Mode != 0 || action.ValueKind < 0 || action.ValueKind > 2 ||
          Upper(action.Data).find("%BIT") != std::string::npos) {
        continue;
      }
      if (Lower(action.KeyPath + "\\" + action.ValueName) != state || action.ValueKind == record.StateValueKind) continue;
      const std::string field = ActionPrefix(i) + ".kind";
      const FieldValue* given = section.Find(field);
      Report(given ? given->place : section.Find(ActionPrefix(i) + ".key")->place, field,
             "writes the state value as kind " + std::to_string(action.ValueKind) + " but state.kind is " +
                 std::to_string(record.StateValueKind));
    }
  }

  void CheckCaptionPresent(const SourceSection& section) {
    for (const Language language : {Language::English, Language::German}) {
      if (!LanguageWanted(language)) continue;
      const std::string field = std::string("caption.") + LanguageSuffix(language);
      const FieldValue* caption = section.Find(field);
      const FieldValue* other = section.Find(std::string("caption.") + LanguageSuffix(Other(language)));
      if ((!caption || caption->value.empty()) && (!other || other->value.empty())) {
        Report(section.place, field, "function has no caption");
        return;
      }
    }
  }

  void CheckPlacement(const SourceSection& section, const kv::FunctionRecord& record) {
    const FieldValue* page = section.Find("page");
    if (!IsKnownPage(record.Page)) {
      Report(page ? page->place : section.place, "page", "unknown page number " + std::to_string(record.Page));
      return;
    }
    const FieldValue* group = section.Find("group");
    const SourcePlace& place = group ? group->place : section.place;
    if (record.Group < 1 || record.Group > 8) {
      Report(place, "group", "group must be 1 to 8 (is " + std::to_string(record.Group) + ")");
      return;
    }
    const auto it = pages_.find(record.Page);
    for (const Language language : {Language::English, Language::German}) {
      if (!LanguageWanted(language)) continue;
      const std::string captionField =
          "group" + std::to_string(record.Group) + "." + LanguageSuffix(language);
      const FieldValue* caption = it == pages_.end() ? nullptr : it->second->Find(captionField);
      if (!caption || caption->value.empty()) {
        Report(place, "group", "group " + std::to_string(record.Group) + " of page " +
                                   std::to_string(record.Page) + " has no " + LanguageName(language) +
                                   " caption ([page " + std::to_string(record.Page) + "] " + captionField + ")");
      }
    }
  }

  void CheckAction(const SourceSection& section, kv::FunctionRecord& record, int index) {
    const std::string prefix = ActionPrefix(index);
    const kv::RegistryAction& action = ActionAt(record, index);
    CheckKeyPath(prefix + ".key", section.Find(prefix + ".key"));
    CheckRange(section, prefix + ".kind", action.ValueKind, 0, 2,
               "value kind out of range (0 text, 1 DWORD, 2 binary)");
    CheckRange(section, prefix + ".mode", action.Mode, 0, 1, "mode out of range (0 write, 1 delete)");
    if (action.KeyPath.empty()) {
      for (const char* part : {".value", ".data", ".kind", ".mode"}) {
        if (const FieldValue* given = section.Find(prefix + part)) {
          Report(given->place, prefix + part, "action has no " + prefix + ".key and is never used");
          break;
        }
      }
      return;
    }
    const std::string upper = Upper(action.Data);
    if ((upper.find("%BITSET%") != std::string::npos || upper.find("%BITDEL%") != std::string::npos) &&
        action.ValueKind != 2) {
      Report(section.Find(prefix + ".data")->place, prefix + ".data",
             "%BITSET%/%BITDEL% needs a binary action (" + prefix + ".kind = 2)");
      return;
    }
    CheckActionData(section, record, action, index, upper);
  }

  // Constant data must be what the value kind holds. Data naming the input is checked when the user
  // types it; a value function's binary action writes the input itself; deletes write nothing.
  void CheckActionData(const SourceSection& section, const kv::FunctionRecord& record,
                       const kv::RegistryAction& action, int index, const std::string& upper) {
    const bool written = record.InputKind != kv::InputOnOff ? index < 3 : action.Mode == 0;
    if (!written || upper.find("%INPUT%") != std::string::npos) return;
    const std::string prefix = ActionPrefix(index);
    const FieldValue* data = section.Find(prefix + ".data");
    const SourcePlace& place = data ? data->place : section.Find(prefix + ".key")->place;
    if (action.ValueKind == kv::KindDword && !IsDwordText(action.Data)) {
      Report(place, prefix + ".data", "DWORD data '" + action.Data + "' is not a number");
    } else if (action.ValueKind == kv::KindBinary && record.InputKind == kv::InputOnOff &&
               upper.find("%BIT") == std::string::npos && !IsByteHexText(action.Data)) {
      Report(place, prefix + ".data", "binary data '" + action.Data + "' is not hex text of even length");
    }
  }

  void CheckPage(const SourceSection& section) {
    std::set<int> groups;
    for (const auto& [name, value] : section.fields) {
      int group = 0;
      Language language = Language::English;
      if (!ParsePageField(name, group, language)) {
        Report(value.place, name, "unknown field (title, group1.en ... group8.de)");
        continue;
      }
      if (group == 0 || LanguageWanted(language)) CheckText(name, value);
      if (group > 0) groups.insert(group);
    }
    for (const int group : groups) {
      CheckPair(section, "group" + std::to_string(group), "group caption");
    }
  }

  void CheckSlots(const SourceSection& section) {
    for (const auto& [name, value] : section.fields) {
      std::int16_t slot = 0, number = 0;
      if (!ParseFieldNumber(name, slot) || slot < 0 || slot >= kv::kPageFunctionSlots) {
        Report(value.place, name, "slot number must be 0 to 100");
        continue;
      }
      if (!ParseFieldNumber(value.value, number)) {
        Report(value.place, name, "'" + value.value + "' is not a function number");
        continue;
      }
      auto [it, fresh] = slots_.emplace(slot, value.place);
      if (!fresh) {
        Report(value.place, name, "slot " + name + " given twice (first at " + it->second.file + ":" +
                                      std::to_string(it->second.line) + ")");
        continue;
      }
      CheckSlotTarget(slot, number, value.place);
    }
  }

  void CheckSlotTarget(int slot, int number, const SourcePlace& place) {
    const std::string field = std::to_string(slot);
    const auto it = functions_.find(number);
    if (it == functions_.end() || it->second->fields.empty()) {
      Report(place, field, "slot " + field + " points at function " + std::to_string(number) + ", which is empty");
      return;
    }
    const SlotExpectation expected = ExpectedForSlot(slot);
    if (expected.page < 0) return;
    std::int16_t page = 0, input = 0;
    if (const FieldValue* value = it->second->Find("page")) ParseFieldNumber(value->value, page);
    if (const FieldValue* value = it->second->Find("input")) ParseFieldNumber(value->value, input);
    if (page != expected.page) {
      Report(place, field, "slot " + field + " expects a function of page " + std::to_string(expected.page) +
                               "; function " + std::to_string(number) + " is on page " + std::to_string(page));
    }
    if (input != expected.input) {
      Report(place, field, "slot " + field + " expects input " + std::to_string(expected.input) +
                               "; function " + std::to_string(number) + " has input " + std::to_string(input));
    }
  }

  const CatalogueSource& source_;
  const CheckOptions& options_;
  std::map<long, const SourceSection*> functions_;
  std::map<long, const SourceSection*> pages_;
  std::map<int, SourcePlace> slots_;
  struct Owner {
    const SourceSection* section;
    int os;
  };
  std::map<std::string, Owner> stateOwners_;
  std::map<std::string, Owner> captionOwners_;
  Diagnostics out_;
};

}  // namespace

bool IsUntracedSource(const std::string& source) { return source.rfind(kUntracedSource, 0) == 0; }

const char* UntracedHelpNote(Language language) {
  return language == Language::English
             ? "Note: no Microsoft documentation of this registry value was found."
             : "Hinweis: F\xC3\xBCr diesen Registrierungswert wurde keine Dokumentation von Microsoft gefunden.";
}

bool IsTreePage(int page) {
  switch (page) {
    case 1: case 2: case 16: case 5: case 9: case 12: case 13: case 14: case 15: case 17: case 18:
      return true;
    default:
      return false;
  }
}

bool IsKnownPage(int page) {
  switch (page) {
    case 3: case 4: case 6: case 8: case 10: case 11:
      return true;
    default:
      return IsTreePage(page);
  }
}

Diagnostics CheckSource(const CatalogueSource& source, const CheckOptions& options) {
  return Checker(source, options).Run();
}

}  // namespace kvcat
