// Decompiling: writes the database of one language back as catalogue source text, in the form the
// parser reads, so that compiling the result in the same language gives the same bytes again.
#pragma once

#include <string>
#include <vector>

#include "tools/kvcat/edition.h"

namespace kvcat {

struct WrittenSource {
  std::string text;                   // UTF-8 source
  std::vector<std::string> problems;  // parts that cannot be written back (text still produced)
};

// `edition.functions` holds FktAnzahl + 2 records. The highest function number is always written
// (even when empty) so the recompiled FktAnzahl is the same.
WrittenSource WriteSource(const Edition& edition, Language language);

// A text as a source value: quoted when blanks at either end or quotes around it would be lost.
std::string QuoteValue(const std::string& utf8);

}  // namespace kvcat
