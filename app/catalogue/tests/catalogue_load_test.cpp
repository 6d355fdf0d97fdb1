// Loading the catalogue: function count from the registry, required files, short and damaged files.
#include <gtest/gtest.h>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/memory_registry_store.h"
#include "app/catalogue/tests/catalogue_files_fixture.h"

namespace kv {
namespace {

const std::string kFolder = "C:\\Program Files\\Korvane\\";
const std::string kUndo = "C:\\WINNT\\system32\\KORVN2K.UND";

class CatalogueLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.functions.resize(3);
    db_.functions[0].Caption = "zero";
    db_.functions[1].Caption = "one";
    db_.functions[1].Page = 5;
    db_.captions[5].Captions[1] = "Boot";
    db_.index[22] = 1;
    db_.PutInto(files_, kFolder);
    files_.Put(kUndo, {});
  }
  CatalogueLoadResult Load(const std::string& undo = kUndo) {
    return LoadCatalogue(registry_, files_, kFolder, undo, &catalogue_);
  }
  void SetFktAnzahl(std::int32_t n) { ASSERT_TRUE(registry_.RegWriteDword(kProductKey, "FktAnzahl", n)); }

  MemoryRegistryStore store_;
  Registry registry_{store_};
  MemoryFileSystem files_;
  test::CatalogueFiles db_;
  Catalogue catalogue_;
};

TEST_F(CatalogueLoad, AbsentFunctionCountReads301Records) {
  ASSERT_EQ(Load(), CatalogueLoadResult::Loaded);
  EXPECT_EQ(catalogue_.FktAnzahl, 299);
  ASSERT_EQ(catalogue_.Functions.size(), 301u);
  EXPECT_EQ(catalogue_.Functions[1].Caption, "one");
  EXPECT_EQ(catalogue_.Functions[3], FunctionRecord{});  // beyond the short file: empty, on no page
  EXPECT_EQ(catalogue_.Functions[300].Page, 0);
  EXPECT_EQ(catalogue_.GroupCaptions[5].Captions[1], "Boot");
  EXPECT_EQ(catalogue_.PageFunctionIndex[22], 1);
  EXPECT_EQ(catalogue_.Function(300), &catalogue_.Functions[300]);
  EXPECT_EQ(catalogue_.Function(301), nullptr);
  EXPECT_EQ(catalogue_.Function(-1), nullptr);
}

TEST_F(CatalogueLoad, FunctionCountFromTheRegistry) {
  SetFktAnzahl(1);
  ASSERT_EQ(Load(), CatalogueLoadResult::Loaded);
  EXPECT_EQ(catalogue_.FktAnzahl, 1);
  ASSERT_EQ(catalogue_.Functions.size(), 3u);
  EXPECT_EQ(catalogue_.Functions[0].Caption, "zero");

  SetFktAnzahl(0);
  ASSERT_EQ(Load(), CatalogueLoadResult::Loaded);
  EXPECT_EQ(catalogue_.Functions.size(), 2u);
}

TEST_F(CatalogueLoad, ImpossibleFunctionCountsFallBackToTheDefault) {
  for (std::int32_t bad : {-1, -3, 32768, 70000, INT32_MIN}) {
    SetFktAnzahl(bad);
    EXPECT_EQ(ReadFktAnzahl(registry_), 299) << bad;
  }
  SetFktAnzahl(32767);
  EXPECT_EQ(ReadFktAnzahl(registry_), 32767);
}

TEST_F(CatalogueLoad, EachRequiredFileMissingIsReported) {
  for (const std::string& path : {kFolder + "Korvn2k.fkt", kFolder + "Korvn2k.hdl", kFolder + "Korvn2k.idx", kUndo}) {
    MemoryFileSystem saved = files_;
    files_.Remove(path);
    catalogue_ = Catalogue{};
    EXPECT_EQ(Load(), CatalogueLoadResult::FileMissing) << path;
    EXPECT_TRUE(catalogue_.Functions.empty()) << path;
    files_ = saved;
  }
  EXPECT_EQ(Load(), CatalogueLoadResult::Loaded);
}

TEST_F(CatalogueLoad, PathIsTestedUpToItsFirstComma) {
  EXPECT_EQ(Load(kUndo + ",1"), CatalogueLoadResult::Loaded);
  EXPECT_EQ(Load("C:\\WINNT\\system32\\OTHER.UND,KORVN2K.UND"), CatalogueLoadResult::FileMissing);
  // A folder whose name holds a comma is still found under its whole name.
  files_.Put("C:\\Data, old\\KORVN2K.UND", {});
  EXPECT_EQ(Load("C:\\Data, old\\KORVN2K.UND"), CatalogueLoadResult::Loaded);
}

TEST_F(CatalogueLoad, DamagedFilesLoadAsFarAsWhole) {
  SetFktAnzahl(5);
  files_.Put(kFolder + "Korvn2k.fkt", {});
  files_.Put(kFolder + "Korvn2k.hdl", {0xFF, 0xFF, 'x'});
  files_.Put(kFolder + "Korvn2k.idx", {0x01});
  ASSERT_EQ(Load(), CatalogueLoadResult::Loaded);
  EXPECT_EQ(catalogue_.Functions, std::vector<FunctionRecord>(7));
  EXPECT_EQ(catalogue_.GroupCaptions, GroupCaptionTable{});
  EXPECT_EQ(catalogue_.PageFunctionIndex, PageFunctionTable{});
}

TEST(StdioFileSystem, ReadsWholeFilesAndReportsMissingOnes) {
  StdioFileSystem files;
  std::vector<std::uint8_t> bytes = {9};
  EXPECT_FALSE(files.Exists("/nonexistent/korvane/file"));
  EXPECT_FALSE(files.ReadWholeFile("/nonexistent/korvane/file", &bytes));
  EXPECT_TRUE(bytes.empty());
  const std::string path = ::testing::TempDir() + "kv_stdio_fs_test.bin";
  std::vector<std::uint8_t> written(200000);
  for (std::size_t i = 0; i < written.size(); ++i) written[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(test::CatalogueFiles::WriteFile(path, written));
  EXPECT_TRUE(files.Exists(path));
  ASSERT_TRUE(files.ReadWholeFile(path, &bytes));
  EXPECT_EQ(bytes, written);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace kv
