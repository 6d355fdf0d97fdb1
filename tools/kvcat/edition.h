// One language edition of the catalogue built from a checked source: the records of "Korvn2k.fkt",
// the caption table of "Korvn2k.hdl", the slot table of "Korvn2k.idx" and FktAnzahl.
#pragma once

#include <vector>

#include "app/catalogue/catalogue_file.h"
#include "tools/kvcat/catalogue_source.h"
#include "tools/kvcat/function_fields.h"

namespace kvcat {

struct Edition {
  int fktAnzahl = 0;                        // highest function number
  std::vector<kv::FunctionRecord> functions;  // fktAnzahl + 2 records
  kv::GroupCaptionTable captions{};
  kv::PageFunctionTable slots{};
};

// Expects a source that passed CheckSource for this language; anything still malformed is left
// empty / 0 rather than guessed.
Edition BuildEdition(const CatalogueSource& source, Language language);

// Highest function number of the source's [function N] sections (0 when there is none).
int HighestFunctionNumber(const CatalogueSource& source);

}  // namespace kvcat
