// Validation of a catalogue source: every message names file, line and field.
//  - syntax-level: unknown fields, numbers that are not 16-bit, duplicate function/page/slot numbers;
//  - texts: not representable in code page 1252, longer than 65535 bytes, missing in one language;
//  - meaning: unknown page number, group without caption, slot pointing at an empty function or at a
//    function of the wrong page or kind, key path with an unknown root name, value kind or mode out of
//    range, input kind not 0-2, bit operations on non-binary values, two functions reading one value
//    (bit functions excepted), DWORD data that is not a number, binary data that is not hex of even
//    length, one caption twice on a page (an NT 4 / Windows 2000 pair with os 1 and 0 excepted);
//  - documentation (the "check" command): every function names its source, and a function whose
//    source names Windows 2000 and no NT 4 document is shown on Windows 2000 only (os 0); an
//    "untraced:" source only behind the program's own controls.
#pragma once

#include <string>

#include "tools/kvcat/catalogue_source.h"
#include "tools/kvcat/function_fields.h"

namespace kvcat {

struct CheckOptions {
  // true: both languages must be complete (the "check" command). false: only what the edition of
  // `language` needs (the "compile" command), so a single-language source compiles in its language.
  bool bothLanguages = true;
  Language language = Language::English;
  // true: every function must name where it is documented, and the source must agree with the os
  // filter (the "check" command). The binary files never hold the source, so compiling needs neither.
  bool documentation = false;
};

Diagnostics CheckSource(const CatalogueSource& source, const CheckOptions& options);

// "source = untraced: <what was searched>": a function behind one of the program's own controls
// whose Microsoft document has not been found yet. "check" accepts it only off the tree pages and
// counts it in its summary, so what is still untraced stays in sight.
constexpr const char* kUntracedSource = "untraced:";
bool IsUntracedSource(const std::string& source);
// The sentence an untraced function's help carries in each language (source text, UTF-8).
const char* UntracedHelpNote(Language language);

// Page numbers the system knows: function trees and the restore groups of the tool pages' own controls.
bool IsKnownPage(int page);
bool IsTreePage(int page);

}  // namespace kvcat
