// Loading the function catalogue: function count from the registry, the four required files checked,
// then each database file read whole and decoded sequentially.
#include "app/catalogue/catalogue.h"

namespace kv {

const FunctionRecord* Catalogue::Function(int number) const {
  if (number < 0 || static_cast<std::size_t>(number) >= Functions.size()) return nullptr;
  return &Functions[static_cast<std::size_t>(number)];
}

std::int16_t ReadFktAnzahl(const Registry& registry) {
  const std::int32_t stored = registry.RegReadDword(kProductKey, kFktAnzahlValue, kDefaultFktAnzahl);
  if (stored < 0 || stored > INT16_MAX) return kDefaultFktAnzahl;
  return static_cast<std::int16_t>(stored);
}

std::string PathUpToFirstComma(const std::string& path) { return path.substr(0, path.find(',')); }

namespace {

// The required-file test looks at the path up to its first comma; a folder whose name really holds a
// comma is accepted too, so such an installation still starts. Returns the path found, or empty.
std::string FindRequiredFile(const FileSystem& files, const std::string& path) {
  if (files.Exists(PathUpToFirstComma(path))) return PathUpToFirstComma(path);
  if (files.Exists(path)) return path;
  return std::string();
}

}  // namespace

CatalogueLoadResult LoadCatalogue(const Registry& registry, const FileSystem& files, const std::string& programFolder,
                                  const std::string& undoFilePath, Catalogue* catalogue) {
  const std::string functionFile = programFolder + kFunctionFileName;
  const std::string indexFile = programFolder + kPageIndexFileName;
  const std::string captionFile = programFolder + kGroupCaptionFileName;
  const std::int16_t fktAnzahl = ReadFktAnzahl(registry);

  std::string found[4];
  const std::string* required[4] = {&indexFile, &functionFile, &undoFilePath, &captionFile};
  for (int i = 0; i < 4; ++i) {
    found[i] = FindRequiredFile(files, *required[i]);
    if (found[i].empty()) return CatalogueLoadResult::FileMissing;
  }

  // A file that exists but cannot be read counts as empty: its records stay empty.
  std::vector<std::uint8_t> bytes;
  catalogue->FktAnzahl = fktAnzahl;
  files.ReadWholeFile(found[1], &bytes);
  catalogue->Functions = DecodeFunctionFile(bytes, static_cast<std::size_t>(fktAnzahl) + 2);
  files.ReadWholeFile(found[0], &bytes);
  catalogue->PageFunctionIndex = DecodePageIndexFile(bytes);
  files.ReadWholeFile(found[3], &bytes);
  catalogue->GroupCaptions = DecodeGroupCaptionFile(bytes);
  return CatalogueLoadResult::Loaded;
}

}  // namespace kv
