// The fields a [function N] section may hold and where each lands in a FunctionRecord; also the
// fields of [page P]. Shared by the checker, the edition builder and the source writer, so the three
// agree on names, order and kinds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/function_record.h"

namespace kvcat {

enum class FieldType { Number, Text, LanguageText };
enum class Language { English, German };

const char* LanguageSuffix(Language language);  // "en" / "de"

struct FunctionField {
  std::string name;  // without language suffix for LanguageText ("caption")
  FieldType type = FieldType::Number;
  std::int16_t* (*number)(kv::FunctionRecord&) = nullptr;
  std::string* (*text)(kv::FunctionRecord&) = nullptr;
  int action = -1;  // 0..5 = on1..on3, off1..off3 for action fields; -1 otherwise
  std::string part; // "key", "value", "data", "kind", "mode" for action fields
};

// "source": where the function's registry location and data are documented. A source-only field:
// checked as text, never written to the binary files.
inline constexpr const char* kSourceField = "source";

// All function fields in writing order.
const std::vector<FunctionField>& FunctionFields();

// Finds the field for a source name ("caption.de", "on2.kind"); `language` is set for language texts.
const FunctionField* FindFunctionField(const std::string& sourceName, Language* language);

// Access to OnActions[0..2] / OffActions[0..2] by one index 0..5.
kv::RegistryAction& ActionAt(kv::FunctionRecord& record, int index);
std::string ActionPrefix(int index);  // "on1" .. "off3"

// Where a field's value lives in a record (exactly one of the two is non-null for a field).
std::int16_t* NumberSlot(const FunctionField& field, kv::FunctionRecord& record);
std::string* TextSlot(const FunctionField& field, kv::FunctionRecord& record);

// Whole-text decimal number (optional sign) in the 16-bit signed range; false otherwise.
bool ParseFieldNumber(const std::string& text, std::int16_t& out);

// [page P] field names: "title", "groupG.en", "groupG.de". Returns false for any other name;
// sets group (1..8, 0 for the title) and language.
bool ParsePageField(const std::string& name, int& group, Language& language);

}  // namespace kvcat
