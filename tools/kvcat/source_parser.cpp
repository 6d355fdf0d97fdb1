// Line syntax of the catalogue sources: comments, blank lines, section headers, "field = value".
#include "tools/kvcat/source_parser.h"

#include <cerrno>
#include <cstdlib>

namespace kvcat {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

// Whole-text decimal number with optional sign; false when the text is anything else.
bool ParseWholeNumber(const std::string& text, long& out) {
  if (text.empty() || text.size() > 12) return false;
  std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (i == text.size()) return false;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  out = std::strtol(text.c_str(), nullptr, 10);
  return true;
}

struct LineReader {
  const std::string& fileName;
  CatalogueSource& source;
  Diagnostics& diagnostics;
  std::size_t current = kNone;  // index of the section being read
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  void Report(int line, const std::string& field, const std::string& message) {
    diagnostics.push_back({{fileName, line}, field, message});
  }

  void Header(int line, const std::string& text) {
    current = kNone;
    if (text.size() < 2 || text.back() != ']') {
      Report(line, "section", "section header must end in ']'");
      return;
    }
    const std::string inner = Trim(text.substr(1, text.size() - 2));
    SourceSection section;
    section.place = {fileName, line};
    if (inner == "slots") {
      section.kind = SectionKind::Slots;
    } else {
      const std::size_t blank = inner.find(' ');
      const std::string word = inner.substr(0, blank);
      const std::string number = blank == std::string::npos ? "" : Trim(inner.substr(blank + 1));
      if (word == "function") {
        section.kind = SectionKind::Function;
      } else if (word == "page") {
        section.kind = SectionKind::Page;
      } else {
        Report(line, "section", "unknown section [" + inner + "]");
        return;
      }
      if (!ParseWholeNumber(number, section.number)) {
        Report(line, word, "section needs a decimal number: [" + word + " N]");
        return;
      }
    }
    source.sections.push_back(section);
    current = source.sections.size() - 1;
  }

  void Field(int line, const std::string& text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) {
      Report(line, Trim(text), "line is neither a section nor 'field = value'");
      return;
    }
    const std::string name = Trim(text.substr(0, equals));
    if (name.empty()) {
      Report(line, "field", "missing field name before '='");
      return;
    }
    if (current == kNone) {
      Report(line, name, "field outside a section");
      return;
    }
    SourceSection& section = source.sections[current];
    if (const FieldValue* first = section.Find(name)) {
      Report(line, name, "field given twice in one section (first on line " +
                             std::to_string(first->place.line) + ")");
      return;
    }
    section.fields.push_back({name, {UnquoteValue(text.substr(equals + 1)), {fileName, line}}});
  }
};

}  // namespace

std::string UnquoteValue(const std::string& raw) {
  const std::string value = Trim(raw);
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

void ParseSource(const std::string& fileName, const std::string& text, CatalogueSource& source,
                 Diagnostics& diagnostics) {
  LineReader reader{fileName, source, diagnostics};
  std::size_t start = 0;
  int line = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;  // UTF-8 byte-order mark
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string content = text.substr(start, end - start);
    start = end + 1;
    ++line;
    if (!content.empty() && content.back() == '\r') content.pop_back();
    if (!content.empty() && content[0] == '#') continue;
    const std::string trimmed = Trim(content);
    if (trimmed.empty()) continue;
    if (trimmed[0] == '[') {
      reader.Header(line, trimmed);
    } else {
      reader.Field(line, content);
    }
  }
}

const FieldValue* SourceSection::Find(const std::string& name) const {
  for (const auto& field : fields) {
    if (field.first == name) return &field.second;
  }
  return nullptr;
}

std::string FormatDiagnostic(const Diagnostic& d) {
  return d.place.file + ":" + std::to_string(d.place.line) + ": " + d.field + ": " + d.message;
}

}  // namespace kvcat
