// A catalogue source as read from the .kvf files, before any meaning is given to its fields:
// sections ([function N], [page P], [slots]) holding "field = value" lines, each with the place it
// came from, and the diagnostics ("file:line: field: message") every stage reports in.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace kvcat {

struct SourcePlace {
  std::string file;
  int line = 0;
};

struct FieldValue {
  std::string value;  // UTF-8, quotes removed
  SourcePlace place;
};

enum class SectionKind { Function, Page, Slots };

struct SourceSection {
  SectionKind kind = SectionKind::Function;
  long number = 0;  // function or page number; unused for slots
  SourcePlace place;
  std::vector<std::pair<std::string, FieldValue>> fields;  // in source order; names unique per section

  const FieldValue* Find(const std::string& name) const;
};

struct CatalogueSource {
  std::vector<SourceSection> sections;  // in the order read, across all files
};

struct Diagnostic {
  SourcePlace place;
  std::string field;  // field or section name the message is about
  std::string message;
};
using Diagnostics = std::vector<Diagnostic>;

// "file:line: field: message"
std::string FormatDiagnostic(const Diagnostic& d);

}  // namespace kvcat
