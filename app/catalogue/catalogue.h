// The in-memory function catalogue and its loader. Loaded once at start-up from the three database
// files in the program folder, read-only afterwards.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/file_system.h"
#include "app/catalogue/function_record.h"
#include "app/catalogue/registry.h"

namespace kv {

inline constexpr const char* kProductKey = "HKEY_LOCAL_MACHINE\\Software\\Quorbel\\Korvane2k";
inline constexpr const char* kFktAnzahlValue = "FktAnzahl";
inline constexpr std::int16_t kDefaultFktAnzahl = 299;
inline constexpr const char* kFunctionFileName = "Korvn2k.fkt";
inline constexpr const char* kGroupCaptionFileName = "Korvn2k.hdl";
inline constexpr const char* kPageIndexFileName = "Korvn2k.idx";

struct Catalogue {
  std::int16_t FktAnzahl = kDefaultFktAnzahl;  // highest function number
  std::vector<FunctionRecord> Functions;        // FktAnzahl + 2 records, 0 .. FktAnzahl + 1
  GroupCaptionTable GroupCaptions{};            // by page number 0 .. 25
  PageFunctionTable PageFunctionIndex{};        // fixed function numbers of the system tool pages

  // The record of a function number, or nullptr when the number is outside the table.
  const FunctionRecord* Function(int number) const;
  // Number of records (FktAnzahl + 2).
  std::size_t FunctionCount() const { return Functions.size(); }
};

enum class CatalogueLoadResult {
  Loaded,
  FileMissing,  // one of "Korvn2k.idx", "Korvn2k.fkt", the undo file or "Korvn2k.hdl" is missing:
                // the caller shows message 101/1101 and ends the program
};

// "FktAnzahl" under the product key, 299 when absent. A stored value outside 0..32767 cannot be a
// function count (it would size the table negative or wrap its 16 bits) and also counts as 299.
std::int16_t ReadFktAnzahl(const Registry& registry);

// The part of a path before its first comma (the whole path when it has none).
std::string PathUpToFirstComma(const std::string& path);

// programFolder ends with a backslash (as kept by the path variables); undoFilePath is the system
// folder followed by "KORVN2K.UND". On FileMissing the catalogue is left as it was.
CatalogueLoadResult LoadCatalogue(const Registry& registry, const FileSystem& files, const std::string& programFolder,
                                  const std::string& undoFilePath, Catalogue* catalogue);

}  // namespace kv
