// The manual's function reference: the shipped database in both editions lists every function exactly
// once (page, index entry, anchor) in code page 1252; a function's texts are escaped, its help heading,
// restart need, systems and documented source shown; the command line writes the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/reference_writer.h"
#include "tools/kvcat/source_files.h"
#include "tools/kvcat/source_parser.h"

namespace fs = std::filesystem;

namespace kvcat {
namespace {

// Number of times `needle` occurs in `text`.
std::size_t Count(const std::string& text, const std::string& needle) {
  std::size_t count = 0;
  for (std::size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++count;
  return count;
}

TEST(FunctionReference, ShippedDatabaseListsEveryFunctionOnceInBothEditions) {
  std::vector<std::string> missing;
  Diagnostics diagnostics;
  const CatalogueSource source = LoadSources(CollectSources({KV_DATABASE_DIR}, missing), diagnostics);
  ASSERT_TRUE(diagnostics.empty());
  std::set<long> numbers;
  for (const SourceSection& section : source.sections) {
    if (section.kind == SectionKind::Function) numbers.insert(section.number);
  }
  ASSERT_GT(numbers.size(), 200u);

  for (Language language : {Language::English, Language::German}) {
    SCOPED_TRACE(LanguageSuffix(language));
    std::string pages, index;
    for (const ReferenceFile& file : WriteReference(source, language)) {
      if (file.name == "reference.hhk") index = file.contents;
      else if (file.name.rfind("ref_", 0) == 0) pages += file.contents;
      // HTML Help on NT 4.0 reads code page 1252: no UTF-8 sequence may slip through.
      EXPECT_EQ(file.contents.find("\xC3"), std::string::npos) << file.name;
    }
    for (long number : numbers) {
      const std::string anchor = "<a name=\"f" + std::to_string(number) + "\">";
      EXPECT_EQ(Count(pages, anchor), 1u) << "function " << number;
      EXPECT_EQ(Count(index, "#f" + std::to_string(number) + "\">"), 1u) << "index entry of function " << number;
    }
    EXPECT_EQ(Count(pages, "<h3>"), numbers.size());
  }
}

TEST(FunctionReference, OneFunctionShowsItsFieldsEscapedAndTheCommandWritesTheFiles) {
  const std::string text =
      "[page 5]\ngroup1.en = Start & stop\ngroup1.de = Start & Stopp\n"
      "[function 7]\npage = 5\ngroup = 1\nos = 1\nrestart = 1\ninput = 0\n"
      "caption.en = Boot <fast> & quiet\ncaption.de = Schnell & leise starten\n"
      "help.en = Quiet boot#No logo.|Next start.\nhelp.de = Leiser Start#Kein Logo für Müller.|Nächster Start.\n"
      "state.key = HKEY_LOCAL_MACHINE\\Software\\T\nstate.value = Quiet\nstate.kind = 1\nstate.on = 1\n"
      "state.matching = 1\non1.key = HKEY_LOCAL_MACHINE\\Software\\T\non1.value = Quiet\non1.data = 1\non1.kind = 1\n"
      "off1.key = HKEY_LOCAL_MACHINE\\Software\\T\noff1.value = Quiet\noff1.data = 0\noff1.kind = 1\n"
      "source = KB 123456 \"Quiet boot\", https://support.example/kb/123456.\n"
      "[function 8]\npage = 5\ngroup = 1\nos = 2\nrestart = 2\ninput = 0\n"
      "caption.en = Other\ncaption.de = Andere\nhelp.en = x\nhelp.de = x\n"
      "state.key = HKEY_LOCAL_MACHINE\\Software\\T\nstate.value = Other\nstate.kind = 1\nstate.on = 1\n"
      "state.matching = 1\non1.key = HKEY_LOCAL_MACHINE\\Software\\T\non1.value = Other\non1.data = 1\non1.kind = 1\n"
      "off1.key = HKEY_LOCAL_MACHINE\\Software\\T\noff1.value = Other\noff1.data = 0\noff1.kind = 1\n";
  CatalogueSource source;
  Diagnostics diagnostics;
  ParseSource("t.kvf", text, source, diagnostics);
  ASSERT_TRUE(diagnostics.empty());

  std::string english, german;
  for (const ReferenceFile& file : WriteReference(source, Language::English)) {
    if (file.name == ReferencePageName(5)) english = file.contents;
  }
  for (const ReferenceFile& file : WriteReference(source, Language::German)) {
    if (file.name == ReferencePageName(5)) german = file.contents;
  }
  EXPECT_NE(english.find("<h1>Boot Options &gt; General</h1>"), std::string::npos);
  EXPECT_NE(english.find("<h2>Start &amp; stop</h2>"), std::string::npos);
  EXPECT_NE(english.find("Boot &lt;fast&gt; &amp; quiet</h3>"), std::string::npos);
  EXPECT_NE(english.find("<p><b>Quiet boot</b><br>No logo.<br>Next start.</p>"), std::string::npos);
  EXPECT_NE(english.find("<td>restart Windows</td>"), std::string::npos);
  EXPECT_NE(english.find("<td>Windows NT 4.0 only</td>"), std::string::npos);
  EXPECT_NE(english.find("KB 123456 &quot;Quiet boot&quot;, <a href=\"https://support.example/kb/123456\">"
                         "https://support.example/kb/123456</a>."),
            std::string::npos);
  // The function without a source says so instead of leaving the row out.
  EXPECT_EQ(Count(english, "<i>no source recorded</i>"), 1u);
  EXPECT_NE(english.find("<td>takes effect without log-off or restart</td>"), std::string::npos);
  EXPECT_NE(german.find("Kein Logo f\xFCr M\xFCller."), std::string::npos);  // code page 1252
  EXPECT_NE(german.find("<td>Windows neu starten</td>"), std::string::npos);

  const fs::path folder = fs::temp_directory_path() / "kvcat_reference_test";
  fs::remove_all(folder);
  const fs::path file = folder / "t.kvf";
  fs::create_directories(folder);
  ASSERT_TRUE(WriteFileAtomically(file.string(), text));
  std::ostringstream out, err;
  EXPECT_EQ(RunKvcat({"kvcat", "reference", "--lang", "de", "--out", (folder / "de").string(), file.string()}, out,
                     err),
            0)
      << err.str();
  EXPECT_TRUE(fs::exists(folder / "de" / "ref_05.htm"));
  EXPECT_TRUE(fs::exists(folder / "de" / "reference.hhc"));
  EXPECT_EQ(RunKvcat({"kvcat", "reference", "--lang", "fr", "--out", (folder / "fr").string(), file.string()}, out,
                     err),
            2);
  // A broken source writes nothing.
  ASSERT_TRUE(WriteFileAtomically(file.string(), text + "[function 9]\npage = 99\n"));
  EXPECT_EQ(RunKvcat({"kvcat", "reference", "--lang", "en", "--out", (folder / "en").string(), file.string()}, out,
                     err),
            1);
  EXPECT_FALSE(fs::exists(folder / "en"));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kvcat
