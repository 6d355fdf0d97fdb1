// The manual's function reference, made from a checked catalogue source: one HTML page per catalogue
// page (its groups, and per function its caption, page and tab, group, help text, what a change needs,
// the systems it applies to and its documented source), an overview page, and the table-of-contents
// and index entries the manual's help project splices in. Texts are HTML in code page 1252, which the
// HTML Help viewer of Windows NT 4.0 and Windows 2000 reads.
#pragma once

#include <string>
#include <vector>

#include "tools/kvcat/catalogue_source.h"
#include "tools/kvcat/function_fields.h"

namespace kvcat {

struct ReferenceFile {
  std::string name;      // "reference.htm", "ref_05.htm", "reference.hhc", "reference.hhk"
  std::string contents;  // code page 1252
};

// Expects a source that passed CheckSource for this language. Every [function N] section of the
// source appears once, on the page of its catalogue page number, with the anchor "fN".
std::vector<ReferenceFile> WriteReference(const CatalogueSource& source, Language language);

// Name of the reference page of a catalogue page ("ref_05.htm").
std::string ReferencePageName(int page);

}  // namespace kvcat
