// Line syntax of the catalogue sources.
#include "tools/kvcat/source_parser.h"

#include <gtest/gtest.h>

namespace kvcat {
namespace {

struct Parsed {
  CatalogueSource source;
  Diagnostics diagnostics;
  std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const Diagnostic& d : diagnostics) out.push_back(FormatDiagnostic(d));
    return out;
  }
};

Parsed Parse(const std::string& text) {
  Parsed parsed;
  ParseSource("a.kvf", text, parsed.source, parsed.diagnostics);
  return parsed;
}

TEST(SourceParser, SectionsFieldsCommentsAndLineEnds) {
  const Parsed p = Parse(
      "\xEF\xBB\xBF# comment\r\n"
      "\r\n"
      "[function 12]\r\n"
      "caption.en = Show  it   \r\n"
      "help.de =\n"
      "   # not a comment: indented lines are fields\n"
      "[page 2]\n"
      "title=Display\n"
      "[slots]\n"
      "0 = 12");
  EXPECT_EQ(p.messages(), std::vector<std::string>{
                              "a.kvf:6: # not a comment: indented lines are fields: line is neither a section "
                              "nor 'field = value'"});
  ASSERT_EQ(p.source.sections.size(), 3u);
  const SourceSection& f = p.source.sections[0];
  EXPECT_EQ(f.kind, SectionKind::Function);
  EXPECT_EQ(f.number, 12);
  EXPECT_EQ(f.place.line, 3);
  ASSERT_NE(f.Find("caption.en"), nullptr);
  EXPECT_EQ(f.Find("caption.en")->value, "Show  it");
  EXPECT_EQ(f.Find("caption.en")->place.line, 4);
  ASSERT_NE(f.Find("help.de"), nullptr);
  EXPECT_EQ(f.Find("help.de")->value, "");
  EXPECT_EQ(p.source.sections[1].Find("title")->value, "Display");
  EXPECT_EQ(p.source.sections[2].kind, SectionKind::Slots);
  EXPECT_EQ(p.source.sections[2].Find("0")->value, "12");
}

TEST(SourceParser, QuotedValuesKeepTheirBlanks) {
  EXPECT_EQ(UnquoteValue(" \" ms\"  "), " ms");
  EXPECT_EQ(UnquoteValue("\"\""), "");
  EXPECT_EQ(UnquoteValue("\"a\"b\""), "a\"b");
  EXPECT_EQ(UnquoteValue("say \"x\""), "say \"x\"");
  EXPECT_EQ(UnquoteValue("\""), "\"");
  EXPECT_EQ(UnquoteValue("a = b"), "a = b");
}

TEST(SourceParser, SyntaxErrorsNameFileLineAndField) {
  const Parsed p = Parse(
      "caption.en = early\n"
      "[function]\n"
      "[function x1]\n"
      "[table 3]\n"
      "[page 4\n"
      "[function 1]\n"
      "page = 1\n"
      "page = 2\n"
      " = 5\n");
  EXPECT_EQ(p.messages(),
            (std::vector<std::string>{
                "a.kvf:1: caption.en: field outside a section",
                "a.kvf:2: function: section needs a decimal number: [function N]",
                "a.kvf:3: function: section needs a decimal number: [function N]",
                "a.kvf:4: section: unknown section [table 3]",
                "a.kvf:5: section: section header must end in ']'",
                "a.kvf:8: page: field given twice in one section (first on line 7)",
                "a.kvf:9: field: missing field name before '='",
            }));
  ASSERT_EQ(p.source.sections.size(), 1u);
  EXPECT_EQ(p.source.sections[0].Find("page")->value, "1");
}

}  // namespace
}  // namespace kvcat
