// The compiler end to end: record sizes, compile -> decompile -> compile byte-identical (in memory
// and through the command line), and the command line's results on good and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "app/catalogue/catalogue_file.h"
#include "tools/kvcat/edition.h"
#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/function_fields.h"
#include "tools/kvcat/source_files.h"
#include "tools/kvcat/source_parser.h"
#include "tools/kvcat/source_writer.h"

namespace fs = std::filesystem;

namespace kvcat {
namespace {

CatalogueSource ParseText(const std::string& text) {
  CatalogueSource source;
  Diagnostics diagnostics;
  ParseSource("t.kvf", text, source, diagnostics);
  EXPECT_TRUE(diagnostics.empty());
  return source;
}

struct Files {
  std::vector<std::uint8_t> fkt, hdl, idx;
  bool operator==(const Files& o) const { return fkt == o.fkt && hdl == o.hdl && idx == o.idx; }
};

Files Encode(const Edition& e) {
  return {kv::EncodeFunctionFile(e.functions), kv::EncodeGroupCaptionFile(e.captions),
          kv::EncodePageIndexFile(e.slots)};
}

// A small source that uses every kind of field, quoting and non-ASCII text.
const char* const kSample =
    "[page 2]\n"
    "title = Windows - Darstellung\n"
    "group1.en = Effects\n"
    "group1.de = Effekte\n"
    "[page 4]\n"
    "group1.en = Mouse\n"
    "group1.de = Maus\n"
    "[function 3]\n"
    "page = 4\n"
    "group = 1\n"
    "os = 2\n"
    "restart = 0\n"
    "input = 2\n"
    "caption.en = Menu delay\n"
    "caption.de = Menüverzögerung\n"
    "help.en = Menu delay#Time before a submenu opens.|Takes effect at the next log-on.\n"
    "help.de = Menüverzögerung#Zeit bis zum Öffnen eines Untermenüs.|Wirksam ab der nächsten Anmeldung.\n"
    "prompt.en = Delay in milliseconds:\n"
    "prompt.de = Verzögerung in Millisekunden:\n"
    "unit.en = \" ms\"\n"
    "unit.de = \" ms\"\n"
    "state.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"
    "state.value = MenuShowDelay\n"
    "number.style = 1\n"
    "number.min = 0\n"
    "number.max = 4000\n"
    "number.default = 400\n"
    "number.step = 10\n"
    "on1.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"
    "on1.value = MenuShowDelay\n"
    "on1.data = %INPUT%\n"
    "[function 7]\n"
    "page = 2\n"
    "group = 1\n"
    "caption.en = \"Quoted\"\n"
    "caption.de = \"\"Zitiert\"\"\n"
    "state.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"
    "state.value = UserPreferencesMask\n"
    "state.kind = 2\n"
    "state.on = %BIT%1\n"
    "state.matching = 1\n"
    "default.text = -\n"
    "on1.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"
    "on1.value = UserPreferencesMask\n"
    "on1.data = %BITSET%1/8\n"
    "on1.kind = 2\n"
    "off3.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"
    "off3.value = UserPreferencesMask\n"
    "off3.data = %BITDEL%1/8\n"
    "off3.kind = 2\n"
    "off3.mode = 1\n"
    "[slots]\n"
    "0 = 3\n"
    "100 = 7\n";

TEST(Compiler, EmptyRecordIs114BytesAnd300CharacterTextIs302) {
  EXPECT_EQ(kv::EncodeFunctionFile({kv::FunctionRecord{}}).size(), 114u);
  const Edition edition =
      BuildEdition(ParseText("[function 0]\ncaption.en = " + std::string(300, 'x') + "\n"), Language::English);
  ASSERT_EQ(edition.functions.size(), 2u);  // FktAnzahl 0: records 0 and 1
  EXPECT_EQ(kv::EncodeFunctionFile({edition.functions[0]}).size(), 114u - 2 + 302);
  EXPECT_EQ(kv::EncodeFunctionFile(edition.functions).size(), 114u - 2 + 302 + 114);
  EXPECT_EQ(kv::EncodeGroupCaptionFile(edition.captions).size(), 26u * 10 * 2);
  EXPECT_EQ(kv::EncodePageIndexFile(edition.slots).size(), 202u);
}

TEST(Compiler, EditionTakesTheChosenLanguageInCodePage1252) {
  const CatalogueSource source = ParseText(kSample);
  const Edition de = BuildEdition(source, Language::German);
  EXPECT_EQ(de.fktAnzahl, 7);
  ASSERT_EQ(de.functions.size(), 9u);
  EXPECT_EQ(de.functions[3].Caption, "Men\xFCverz\xF6gerung");
  EXPECT_EQ(de.functions[3].Unit, " ms");
  EXPECT_EQ(de.functions[3].Maximum, 4000);
  EXPECT_EQ(de.functions[7].Caption, "\"Zitiert\"");
  EXPECT_EQ(de.functions[7].OffActions[2].Mode, 1);
  EXPECT_EQ(de.captions[2].Title, "Windows - Darstellung");
  EXPECT_EQ(de.captions[4].Captions[1], "Maus");
  EXPECT_EQ(de.slots[0], 3);
  EXPECT_EQ(de.slots[100], 7);
  EXPECT_EQ(BuildEdition(source, Language::English).functions[7].Caption, "Quoted");
}

void ExpectRoundTrip(const CatalogueSource& source, Language language) {
  const Edition first = BuildEdition(source, language);
  const WrittenSource written = WriteSource(first, language);
  EXPECT_TRUE(written.problems.empty());
  const Edition second = BuildEdition(ParseText(written.text), language);
  EXPECT_EQ(second.fktAnzahl, first.fktAnzahl);
  EXPECT_TRUE(Encode(first) == Encode(second)) << written.text;
}

TEST(Compiler, DecompiledSourceCompilesToTheSameBytes) {
  ExpectRoundTrip(ParseText(kSample), Language::English);
  ExpectRoundTrip(ParseText(kSample), Language::German);
}

TEST(Compiler, ShippedDatabaseRoundTripsInBothLanguages) {
  std::vector<std::string> missing;
  Diagnostics diagnostics;
  const CatalogueSource source = LoadSources(CollectSources({KV_DATABASE_DIR}, missing), diagnostics);
  ASSERT_TRUE(missing.empty());
  ASSERT_TRUE(diagnostics.empty());
  ExpectRoundTrip(source, Language::English);
  ExpectRoundTrip(source, Language::German);
}

TEST(Compiler, DecompileReportsWhatASourceCannotHold) {
  Edition edition = BuildEdition(ParseText(kSample), Language::English);
  edition.functions[3].Reserved4 = 5;
  edition.functions[7].HelpText = "two\r\nlines";
  edition.functions.back().Caption = "after the end";
  const WrittenSource written = WriteSource(edition, Language::English);
  EXPECT_EQ(written.problems,
            (std::vector<std::string>{"function 3: reserved fields are not empty; they are not kept",
                                      "function 7: help.en holds a line break, which a source line cannot; written without it",
                                      "function 8: the record after FktAnzahl is never shown and is not kept"}));
}

// The command line, through temporary files.
class KvcatCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kvcat_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "kvcat");
    out_.str("");
    err_.str("");
    return RunKvcat(arguments, out_, err_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).generic_string(); }
  std::string Read(const std::string& name) const {
    std::string contents;
    EXPECT_TRUE(ReadWholeFile(Path(name), contents)) << name;
    return contents;
  }
  void Write(const std::string& name, const std::string& text) const {
    ASSERT_TRUE(WriteFileAtomically(Path(name), text));
  }

  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(KvcatCommand, CompileDecompileCompileIsByteIdentical) {
  fs::create_directories(dir_ / "src");
  Write("src/empty.kvf", "# nothing yet\n");
  Write("src/sample.kvf", kSample);
  for (const char* lang : {"en", "de"}) {
    ASSERT_EQ(Run({"compile", "--lang", lang, "--out", Path("one"), Path("src")}), 0) << err_.str();
    EXPECT_EQ(Read("one/fktanzahl.txt"), "7\n");
    ASSERT_EQ(Run({"decompile", "--lang", lang, "--fkt", Path("one/Korvn2k.fkt"), "--hdl", Path("one/Korvn2k.hdl"),
                   "--idx", Path("one/Korvn2k.idx"), "--count", "7", "--out", Path("back.kvf")}),
              0)
        << err_.str();
    EXPECT_EQ(err_.str(), "");
    ASSERT_EQ(Run({"compile", "--lang", lang, "--out", Path("two"), Path("back.kvf")}), 0) << err_.str();
    for (const char* file : {"Korvn2k.fkt", "Korvn2k.hdl", "Korvn2k.idx", "fktanzahl.txt"}) {
      EXPECT_EQ(Read(std::string("one/") + file), Read(std::string("two/") + file)) << lang << " " << file;
    }
  }
}

TEST_F(KvcatCommand, ErrorsStopCompilingAndNameThePlace) {
  Write("bad.kvf", "[function 1]\npage = 99\n");
  EXPECT_EQ(Run({"compile", "--lang", "en", "--out", Path("out"), Path("bad.kvf")}), 1);
  EXPECT_NE(err_.str().find("bad.kvf:2: page: unknown page number 99"), std::string::npos) << err_.str();
  EXPECT_FALSE(fs::exists(dir_ / "out" / "Korvn2k.fkt"));
  EXPECT_EQ(Run({"check", Path("bad.kvf")}), 1);
  EXPECT_NE(err_.str().find("bad.kvf:1: caption.en: function has no caption"), std::string::npos) << err_.str();
  EXPECT_EQ(Run({"check", Path("nothing-here")}), 1);
  EXPECT_NE(err_.str().find("no such file or folder"), std::string::npos);
}

// The source of a function is documentation: "check" refuses a function without one, and whatever it
// says, the compiled files stay byte for byte the same.
TEST_F(KvcatCommand, CheckWantsASourceThatTheFilesNeverHold) {
  const auto withSource = [](const std::string& source) {
    std::string text = kSample;
    for (const char* section : {"[function 3]\n", "[function 7]\n"}) {
      text.insert(text.find(section) + std::string(section).size(), "source = " + source + "\n");
    }
    return text;
  };
  Write("plain.kvf", kSample);
  Write("a.kvf", withSource("KB 123456: Menu delay (Windows NT 4.0), https://example.invalid/kb/123456"));
  Write("b.kvf", withSource("Windows NT 4.0 Resource Kit, another text of another length"));
  EXPECT_EQ(Run({"check", Path("plain.kvf")}), 1);
  EXPECT_NE(err_.str().find("plain.kvf:8: source: function has no source"), std::string::npos) << err_.str();
  EXPECT_EQ(Run({"check", Path("a.kvf")}), 0) << err_.str();
  for (const char* name : {"plain", "a", "b"}) {
    ASSERT_EQ(Run({"compile", "--lang", "de", "--out", Path(name + std::string("-out")), Path(name + std::string(".kvf"))}), 0);
  }
  for (const char* file : {"Korvn2k.fkt", "Korvn2k.hdl", "Korvn2k.idx", "fktanzahl.txt"}) {
    EXPECT_EQ(Read(std::string("plain-out/") + file), Read(std::string("a-out/") + file)) << file;
    EXPECT_EQ(Read(std::string("plain-out/") + file), Read(std::string("b-out/") + file)) << file;
  }
}

// The README's table of functions per page is checked against the sources, so it cannot go stale; on a
// mismatch the table to paste is printed.
TEST(Compiler, ReadmeStatesTheFunctionCountOfEveryPage) {
  std::vector<std::string> missing;
  Diagnostics diagnostics;
  const CatalogueSource source = LoadSources(CollectSources({KV_DATABASE_DIR}, missing), diagnostics);
  std::map<int, int> perPage;
  int total = 0;
  for (const SourceSection& section : source.sections) {
    if (section.kind != SectionKind::Function) continue;
    std::int16_t page = 0;
    if (const FieldValue* value = section.Find("page")) ParseFieldNumber(value->value, page);
    ++perPage[page];
    ++total;
  }
  const std::pair<int, const char*> pages[] = {
      {1, "Windows, tree 1"},          {2, "Windows, tree 2"},        {16, "Windows, tree 3"},
      {5, "Boot options"},             {9, "Drives & files"},         {12, "Security, tree 1"},
      {13, "Security, tree 2"},        {14, "Security, tree 3"},      {15, "Network, tree 1"},
      {17, "Network, tree 2"},         {18, "Applications"},          {3, "System paths (own controls)"},
      {4, "Mouse (own controls)"},     {6, "Logon screen (own controls)"}, {8, "Drive mask (own control)"},
      {10, "Desktop icons (own controls)"}, {11, "Start-menu icons (own controls)"}};
  std::string table = "| page | tree or controls | functions |\n|---|---|---|\n";
  for (const auto& [page, title] : pages) {
    table += "| " + std::to_string(page) + " | " + title + " | " + std::to_string(perPage[page]) + " |\n";
  }
  table += "| | all pages | " + std::to_string(total) + " |\n";
  std::string readme;
  ASSERT_TRUE(ReadWholeFile(KV_README, readme));
  EXPECT_NE(readme.find(table), std::string::npos) << "README.md should hold this table:\n" << table;
}

TEST_F(KvcatCommand, UsageErrors) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(Run({"compile", "--lang", "fr", "--out", Path("x"), Path("y")}), 2);
  EXPECT_EQ(Run({"compile", "--lang", "en", Path("y")}), 2);
  EXPECT_EQ(Run({"compile", "--lang", "en", "--bogus", "1", "--out", Path("x"), Path("y")}), 2);
  EXPECT_EQ(Run({"decompile", "--fkt", "a", "--hdl", "b", "--idx", "c", "--count", "40000"}), 2);
  EXPECT_EQ(Run({"decompile", "--fkt", Path("a"), "--hdl", "b", "--idx", "c", "--count", "3"}), 1);
  EXPECT_NE(err_.str().find("cannot read"), std::string::npos);
}

TEST_F(KvcatCommand, DecompileOfShortFilesGivesEmptyRecords) {
  Write("short.fkt", std::string("\x01\x02", 2));
  Write("empty.hdl", "");
  Write("empty.idx", "");
  ASSERT_EQ(Run({"decompile", "--fkt", Path("short.fkt"), "--hdl", Path("empty.hdl"), "--idx", Path("empty.idx"),
                 "--count", "2"}),
            0);
  EXPECT_EQ(out_.str(), "[function 2]\n\n");
}

}  // namespace
}  // namespace kvcat
