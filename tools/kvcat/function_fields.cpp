// Field table of [function N] and [page P] sections.
#include "tools/kvcat/function_fields.h"

namespace kvcat {
namespace {

using kv::FunctionRecord;

FunctionField Number(const char* name, std::int16_t* (*get)(FunctionRecord&)) {
  FunctionField f;
  f.name = name;
  f.type = FieldType::Number;
  f.number = get;
  return f;
}

FunctionField Text(const char* name, std::string* (*get)(FunctionRecord&), bool perLanguage) {
  FunctionField f;
  f.name = name;
  f.type = perLanguage ? FieldType::LanguageText : FieldType::Text;
  f.text = get;
  return f;
}

// One action field; the accessor cannot capture the index, so the index travels in the field.
void AddActionFields(std::vector<FunctionField>& fields, int index) {
  const std::string prefix = ActionPrefix(index);
  const char* parts[] = {"key", "value", "data", "kind", "mode"};
  for (const char* part : parts) {
    FunctionField f;
    f.name = prefix + "." + part;
    f.type = (std::string(part) == "kind" || std::string(part) == "mode") ? FieldType::Number : FieldType::Text;
    f.action = index;
    f.part = part;
    fields.push_back(f);
  }
}

std::vector<FunctionField> BuildFields() {
  std::vector<FunctionField> f;
  f.push_back(Number("page", [](FunctionRecord& r) { return &r.Page; }));
  f.push_back(Number("group", [](FunctionRecord& r) { return &r.Group; }));
  f.push_back(Number("os", [](FunctionRecord& r) { return &r.OsFilter; }));
  f.push_back(Number("restart", [](FunctionRecord& r) { return &r.RestartLevel; }));
  f.push_back(Number("input", [](FunctionRecord& r) { return &r.InputKind; }));
  f.push_back(Text("caption", [](FunctionRecord& r) { return &r.Caption; }, true));
  f.push_back(Text("help", [](FunctionRecord& r) { return &r.HelpText; }, true));
  f.push_back(Text("prompt", [](FunctionRecord& r) { return &r.InputPrompt; }, true));
  f.push_back(Text("unit", [](FunctionRecord& r) { return &r.Unit; }, true));
  f.push_back(Text("state.key", [](FunctionRecord& r) { return &r.StateKeyPath; }, false));
  f.push_back(Text("state.value", [](FunctionRecord& r) { return &r.StateValueName; }, false));
  f.push_back(Number("state.kind", [](FunctionRecord& r) { return &r.StateValueKind; }));
  f.push_back(Text("state.on", [](FunctionRecord& r) { return &r.OnValue; }, false));
  f.push_back(Number("state.matching", [](FunctionRecord& r) { return &r.StateWhenMatching; }));
  f.push_back(Number("state.missing", [](FunctionRecord& r) { return &r.StateWhenMissing; }));
  f.push_back(Text("default.text", [](FunctionRecord& r) { return &r.DefaultText; }, false));
  f.push_back(Number("number.style", [](FunctionRecord& r) { return &r.NumberStyle; }));
  f.push_back(Number("number.min", [](FunctionRecord& r) { return &r.Minimum; }));
  f.push_back(Number("number.max", [](FunctionRecord& r) { return &r.Maximum; }));
  f.push_back(Number("number.default", [](FunctionRecord& r) { return &r.DefaultNumber; }));
  f.push_back(Number("number.step", [](FunctionRecord& r) { return &r.Increment; }));
  for (int i = 0; i < 6; ++i) AddActionFields(f, i);
  return f;
}

}  // namespace

const char* LanguageSuffix(Language language) { return language == Language::English ? "en" : "de"; }

const std::vector<FunctionField>& FunctionFields() {
  static const std::vector<FunctionField> fields = BuildFields();
  return fields;
}

const FunctionField* FindFunctionField(const std::string& sourceName, Language* language) {
  std::string base = sourceName;
  bool hasSuffix = false;
  Language suffixLanguage = Language::English;
  if (sourceName.size() > 3 && sourceName[sourceName.size() - 3] == '.') {
    const std::string suffix = sourceName.substr(sourceName.size() - 2);
    if (suffix == "en" || suffix == "de") {
      hasSuffix = true;
      suffixLanguage = suffix == "en" ? Language::English : Language::German;
      base = sourceName.substr(0, sourceName.size() - 3);
    }
  }
  for (const FunctionField& field : FunctionFields()) {
    const bool perLanguage = field.type == FieldType::LanguageText;
    if (perLanguage && hasSuffix && field.name == base) {
      if (language) *language = suffixLanguage;
      return &field;
    }
    if (!perLanguage && field.name == sourceName) return &field;
  }
  return nullptr;
}

kv::RegistryAction& ActionAt(kv::FunctionRecord& record, int index) {
  return index < 3 ? record.OnActions[index] : record.OffActions[index - 3];
}

std::string ActionPrefix(int index) {
  return (index < 3 ? "on" : "off") + std::to_string(index % 3 + 1);
}

std::int16_t* NumberSlot(const FunctionField& field, kv::FunctionRecord& record) {
  if (field.type != FieldType::Number) return nullptr;
  if (field.action < 0) return field.number(record);
  kv::RegistryAction& action = ActionAt(record, field.action);
  return field.part == "kind" ? &action.ValueKind : &action.Mode;
}

std::string* TextSlot(const FunctionField& field, kv::FunctionRecord& record) {
  if (field.type == FieldType::Number) return nullptr;
  if (field.action < 0) return field.text(record);
  kv::RegistryAction& action = ActionAt(record, field.action);
  if (field.part == "key") return &action.KeyPath;
  if (field.part == "value") return &action.ValueName;
  return &action.Data;
}

bool ParseFieldNumber(const std::string& text, std::int16_t& out) {
  if (text.empty() || text.size() > 7) return false;
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return false;
  long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  if (text[0] == '-') value = -value;
  if (value < -32768 || value > 32767) return false;
  out = static_cast<std::int16_t>(value);
  return true;
}

bool ParsePageField(const std::string& name, int& group, Language& language) {
  if (name == "title") {
    group = 0;
    return true;
  }
  // "groupG.en" / "groupG.de", G = 1..8
  if (name.size() != 9 || name.compare(0, 5, "group") != 0 || name[6] != '.') return false;
  if (name[5] < '1' || name[5] > '8') return false;
  const std::string suffix = name.substr(7);
  if (suffix != "en" && suffix != "de") return false;
  group = name[5] - '0';
  language = suffix == "en" ? Language::English : Language::German;
  return true;
}

}  // namespace kvcat
