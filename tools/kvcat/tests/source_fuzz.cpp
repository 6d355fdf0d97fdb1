// Fuzz target: any bytes as a catalogue source must parse, check and build without a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/kvcat/edition.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/source_parser.h"
#include "tools/kvcat/source_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kvcat::CatalogueSource source;
  kvcat::Diagnostics diagnostics;
  kvcat::ParseSource("fuzz.kvf", std::string(reinterpret_cast<const char*>(data), size), source, diagnostics);
  kvcat::CheckSource(source, {});
  const kvcat::Edition edition = kvcat::BuildEdition(source, kvcat::Language::German);
  kvcat::WriteSource(edition, kvcat::Language::German);
  return 0;
}
