// Catalogue records -> source text.
#include "tools/kvcat/source_writer.h"

#include "tools/kvcat/cp1252.h"

namespace kvcat {
namespace {

bool HasLineBreak(const std::string& text) {
  return text.find('\n') != std::string::npos || text.find('\r') != std::string::npos;
}

class Writer {
 public:
  explicit Writer(Language language) : language_(language) {}

  void Function(int number, const kv::FunctionRecord& record) {
    out_ += "[function " + std::to_string(number) + "]\n";
    kv::FunctionRecord scratch = record;
    const std::string where = "function " + std::to_string(number);
    for (const FunctionField& field : FunctionFields()) {
      if (const std::int16_t* value = NumberSlot(field, scratch)) {
        if (*value != 0) out_ += field.name + " = " + std::to_string(*value) + "\n";
      } else if (const std::string* text = TextSlot(field, scratch)) {
        if (text->empty()) continue;
        const std::string name =
            field.type == FieldType::LanguageText ? field.name + "." + LanguageSuffix(language_) : field.name;
        Text(where, name, *text);
      }
    }
    const kv::FunctionRecord blank;
    if (record.Reserved1 != blank.Reserved1 || record.Reserved2 != blank.Reserved2 ||
        record.Reserved3 != blank.Reserved3 || record.Reserved4 != blank.Reserved4) {
      problems_.push_back(where + ": reserved fields are not empty; they are not kept");
    }
    out_ += "\n";
  }

  void Page(int number, const kv::GroupCaptionRecord& record) {
    const std::string where = "page " + std::to_string(number);
    out_ += "[page " + std::to_string(number) + "]\n";
    if (!record.Title.empty()) Text(where, "title", record.Title);
    for (int group = 1; group < kv::kCaptionsPerRecord; ++group) {
      if (record.Captions[group].empty()) continue;
      Text(where, "group" + std::to_string(group) + "." + LanguageSuffix(language_), record.Captions[group]);
    }
    if (!record.Captions[0].empty()) problems_.push_back(where + ": caption 0 is not empty; it is not kept");
    out_ += "\n";
  }

  void Slots(const kv::PageFunctionTable& slots) {
    std::string lines;
    for (int slot = 0; slot < kv::kPageFunctionSlots; ++slot) {
      if (slots[slot] != 0) lines += std::to_string(slot) + " = " + std::to_string(slots[slot]) + "\n";
    }
    if (!lines.empty()) out_ += "[slots]\n" + lines;
  }

  WrittenSource Take() { return {std::move(out_), std::move(problems_)}; }

 private:
  void Text(const std::string& where, const std::string& name, const std::string& cp1252) {
    if (HasLineBreak(cp1252)) {
      problems_.push_back(where + ": " + name + " holds a line break, which a source line cannot; written without it");
    }
    std::string text = Cp1252ToUtf8(cp1252);
    for (char& c : text) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    out_ += name + " = " + QuoteValue(text) + "\n";
  }

  Language language_;
  std::string out_;
  std::vector<std::string> problems_;
};

}  // namespace

std::string QuoteValue(const std::string& utf8) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  const bool needsQuotes =
      !utf8.empty() && (blank(utf8.front()) || blank(utf8.back()) ||
                        (utf8.size() >= 2 && utf8.front() == '"' && utf8.back() == '"'));
  return needsQuotes ? "\"" + utf8 + "\"" : utf8;
}

WrittenSource WriteSource(const Edition& edition, Language language) {
  Writer writer(language);
  const kv::FunctionRecord blank;
  const int count = static_cast<int>(edition.functions.size());
  for (int number = 0; number < count; ++number) {
    const kv::FunctionRecord& record = edition.functions[static_cast<std::size_t>(number)];
    if (number == edition.fktAnzahl || (record != blank && number <= edition.fktAnzahl)) {
      writer.Function(number, record);
    }
  }
  std::vector<std::string> extra;
  if (count > edition.fktAnzahl + 1 && edition.functions[static_cast<std::size_t>(edition.fktAnzahl) + 1] != blank) {
    extra.push_back("function " + std::to_string(edition.fktAnzahl + 1) +
                    ": the record after FktAnzahl is never shown and is not kept");
  }
  const kv::GroupCaptionRecord blankPage;
  for (int page = 0; page < kv::kGroupCaptionRecords; ++page) {
    if (edition.captions[static_cast<std::size_t>(page)] != blankPage) {
      writer.Page(page, edition.captions[static_cast<std::size_t>(page)]);
    }
  }
  writer.Slots(edition.slots);
  WrittenSource written = writer.Take();
  written.problems.insert(written.problems.end(), extra.begin(), extra.end());
  return written;
}

}  // namespace kvcat
