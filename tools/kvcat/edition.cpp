// Builds the in-memory database of one language from the source sections.
#include "tools/kvcat/edition.h"

#include "tools/kvcat/cp1252.h"

namespace kvcat {
namespace {

std::string ToFileText(const std::string& utf8) {
  Cp1252Result converted = Utf8ToCp1252(utf8);
  return converted.ok ? converted.text : std::string();
}

void FillFunction(const SourceSection& section, Language language, kv::FunctionRecord& record) {
  for (const auto& [name, value] : section.fields) {
    Language fieldLanguage = Language::English;
    const FunctionField* field = FindFunctionField(name, &fieldLanguage);
    if (field == nullptr) continue;
    if (field->type == FieldType::LanguageText && fieldLanguage != language) continue;
    if (std::int16_t* number = NumberSlot(*field, record)) {
      ParseFieldNumber(value.value, *number);
    } else if (std::string* text = TextSlot(*field, record)) {
      *text = ToFileText(value.value);
    }
  }
}

void FillPage(const SourceSection& section, Language language, kv::GroupCaptionRecord& record) {
  for (const auto& [name, value] : section.fields) {
    int group = 0;
    Language fieldLanguage = Language::English;
    if (!ParsePageField(name, group, fieldLanguage)) continue;
    if (group == 0) {
      record.Title = ToFileText(value.value);
    } else if (fieldLanguage == language) {
      record.Captions[group] = ToFileText(value.value);
    }
  }
}

void FillSlots(const SourceSection& section, kv::PageFunctionTable& slots) {
  for (const auto& [name, value] : section.fields) {
    std::int16_t slot = 0, number = 0;
    if (ParseFieldNumber(name, slot) && slot >= 0 && slot < kv::kPageFunctionSlots &&
        ParseFieldNumber(value.value, number)) {
      slots[slot] = number;
    }
  }
}

}  // namespace

int HighestFunctionNumber(const CatalogueSource& source) {
  long highest = 0;
  for (const SourceSection& section : source.sections) {
    if (section.kind == SectionKind::Function && section.number > highest && section.number <= 32766) {
      highest = section.number;
    }
  }
  return static_cast<int>(highest);
}

Edition BuildEdition(const CatalogueSource& source, Language language) {
  Edition edition;
  edition.fktAnzahl = HighestFunctionNumber(source);
  edition.functions.resize(static_cast<std::size_t>(edition.fktAnzahl) + 2);
  for (const SourceSection& section : source.sections) {
    switch (section.kind) {
      case SectionKind::Function:
        if (section.number >= 0 && section.number <= edition.fktAnzahl) {
          FillFunction(section, language, edition.functions[static_cast<std::size_t>(section.number)]);
        }
        break;
      case SectionKind::Page:
        if (section.number >= 0 && section.number < kv::kGroupCaptionRecords) {
          FillPage(section, language, edition.captions[static_cast<std::size_t>(section.number)]);
        }
        break;
      case SectionKind::Slots:
        FillSlots(section, edition.slots);
        break;
    }
  }
  return edition;
}

}  // namespace kvcat
