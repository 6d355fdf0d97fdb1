// Validation of a catalogue source: every message names file, line and field.
//  - syntax-level: unknown fields, numbers that are not 16-bit, duplicate function/page/slot numbers;
//  - texts: not representable in code page 1252, longer than 65535 bytes, missing in one language;
//  - meaning: unknown page number, group without caption, slot pointing at an empty function or at a
//    function of the wrong page or kind, key path with an unknown root name, value kind or mode out of
//    range, input kind not 0-2, bit operations on non-binary values, two functions reading one value
//    (bit functions excepted).
#pragma once

#include "tools/kvcat/catalogue_source.h"
#include "tools/kvcat/function_fields.h"

namespace kvcat {

struct CheckOptions {
  // true: both languages must be complete (the "check" command). false: only what the edition of
  // `language` needs (the "compile" command), so a single-language source compiles in its language.
  bool bothLanguages = true;
  Language language = Language::English;
};

Diagnostics CheckSource(const CatalogueSource& source, const CheckOptions& options);

// Page numbers the system knows: function trees and the restore groups of the tool pages' own controls.
bool IsKnownPage(int page);
bool IsTreePage(int page);

}  // namespace kvcat
