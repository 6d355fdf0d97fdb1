// Reads the line syntax of .kvf catalogue sources (sections and "field = value" lines) into a
// CatalogueSource. Only syntax is checked here; field names and values are checked by source_checker.
#pragma once

#include <string>

#include "tools/kvcat/catalogue_source.h"

namespace kvcat {

// Parses one file's text and appends its sections to `source`. Syntax errors go to `diagnostics`;
// the faulty line is skipped and reading goes on.
void ParseSource(const std::string& fileName, const std::string& text, CatalogueSource& source,
                 Diagnostics& diagnostics);

// Value of a "field = value" line after the "=": trimmed; a value wholly in double quotes loses them.
std::string UnquoteValue(const std::string& raw);

}  // namespace kvcat
