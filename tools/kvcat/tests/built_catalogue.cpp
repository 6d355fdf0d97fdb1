// Loading a built edition of the function database for the tests.
#include "tools/kvcat/tests/built_catalogue.h"

#include <gtest/gtest.h>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/number_text.h"
#include "tools/kvcat/source_files.h"

namespace kvcat::test {
namespace {

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  std::string contents;
  EXPECT_TRUE(ReadWholeFile(path, contents)) << path;
  return {contents.begin(), contents.end()};
}

}  // namespace

kv::Catalogue LoadBuiltCatalogue(const std::string& language) {
  const std::string dir = std::string(KV_CATALOGUE_DIR) + "/" + language + "/";
  std::string count;
  EXPECT_TRUE(ReadWholeFile(dir + "fktanzahl.txt", count));
  kv::Catalogue catalogue;
  catalogue.FktAnzahl = kv::NumberOfText16(count);
  catalogue.Functions = kv::DecodeFunctionFile(ReadBytes(dir + "Korvn2k.fkt"),
                                               static_cast<std::size_t>(catalogue.FktAnzahl) + 2);
  catalogue.GroupCaptions = kv::DecodeGroupCaptionFile(ReadBytes(dir + "Korvn2k.hdl"));
  catalogue.PageFunctionIndex = kv::DecodePageIndexFile(ReadBytes(dir + "Korvn2k.idx"));
  return catalogue;
}

}  // namespace kvcat::test
