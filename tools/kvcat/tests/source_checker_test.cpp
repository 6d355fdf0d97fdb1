// Validation messages of the catalogue checker, each on a small bad source.
#include "tools/kvcat/source_checker.h"

#include <gtest/gtest.h>

#include "tools/kvcat/source_parser.h"

namespace kvcat {
namespace {

// A valid on/off function 1 on page 2 group 1, with the page's captions; `extra` lines are appended
// to the function (line 19 onwards), `tail` after everything (line numbers are stated per test).
std::string Source(const std::string& extra = "", const std::string& tail = "") {
  return "[page 2]\n"                                                   // 1
         "group1.en = Effects\n"                                        // 2
         "group1.de = Effekte\n"                                        // 3
         "[function 1]\n"                                               // 4
         "page = 2\n"                                                   // 5
         "group = 1\n"                                                  // 6
         "os = 2\n"                                                     // 7
         "caption.en = Animate\n"                                       // 8
         "caption.de = Animieren\n"                                     // 9
         "help.en = Animation#Body\n"                                   // 10
         "help.de = Animation#Text\n"                                   // 11
         "state.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"      // 12
         "state.value = X\n"                                            // 13
         "state.on = 1\n"                                               // 14
         "on1.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"        // 15
         "on1.value = X\n"                                              // 16
         "off1.key = HKEY_CURRENT_USER\\Control Panel\\Desktop\n"       // 17
         "off1.value = X\n"                                             // 18
         + extra + tail;
}

std::vector<std::string> Check(const std::string& text, CheckOptions options = {}) {
  CatalogueSource source;
  Diagnostics diagnostics;
  ParseSource("t.kvf", text, source, diagnostics);
  const Diagnostics found = CheckSource(source, options);
  diagnostics.insert(diagnostics.end(), found.begin(), found.end());
  std::vector<std::string> out;
  for (const Diagnostic& d : diagnostics) out.push_back(FormatDiagnostic(d));
  return out;
}

using Messages = std::vector<std::string>;

TEST(SourceChecker, AcceptsAValidSource) { EXPECT_EQ(Check(Source()), Messages{}); }

TEST(SourceChecker, UnknownPageNumber) {
  EXPECT_EQ(Check(Source("", "[function 2]\ncaption.en = A\ncaption.de = B\npage = 7\n")),
            Messages{"t.kvf:22: page: unknown page number 7"});
  EXPECT_EQ(Check(Source("", "[function 2]\ncaption.en = A\ncaption.de = B\n")),
            Messages{"t.kvf:19: page: unknown page number 0"});
}

TEST(SourceChecker, GroupWithoutCaption) {
  EXPECT_EQ(Check(Source("", "[function 2]\ncaption.en = A\ncaption.de = B\npage = 2\ngroup = 3\n")),
            (Messages{"t.kvf:23: group: group 3 of page 2 has no English caption ([page 2] group3.en)",
                      "t.kvf:23: group: group 3 of page 2 has no German caption ([page 2] group3.de)"}));
  // Compiling one language needs only that language's caption.
  EXPECT_EQ(Check(Source("", "[page 5]\ngroup1.de = Nur deutsch\n"
                             "[function 2]\ncaption.en = A\ncaption.de = B\npage = 5\ngroup = 1\n"),
                  {false, Language::German}),
            Messages{});
  EXPECT_EQ(Check(Source("group = 9\n").replace(Source().find("group = 1"), 10, "")),
            Messages{"t.kvf:18: group: group must be 1 to 8 (is 9)"});
}

TEST(SourceChecker, SlotPointingAtAnEmptyFunction) {
  EXPECT_EQ(Check(Source("", "[slots]\n70 = 1\n71 = 44\n")),
            Messages{"t.kvf:21: 71: slot 71 points at function 44, which is empty"});
  EXPECT_EQ(Check(Source("", "[function 9]\n[slots]\n80 = 9\n")),
            (Messages{"t.kvf:19: caption.en: function has no caption", "t.kvf:19: page: unknown page number 0",
                      "t.kvf:21: 80: slot 80 points at function 9, which is empty"}));
}

TEST(SourceChecker, SlotsOfTheToolPagesNeedTheRightPageAndKind) {
  EXPECT_EQ(Check(Source("", "[slots]\n0 = 1\n")),
            (Messages{"t.kvf:20: 0: slot 0 expects a function of page 4; function 1 is on page 2",
                      "t.kvf:20: 0: slot 0 expects input 2; function 1 has input 0"}));
  EXPECT_EQ(Check(Source("", "[slots]\n101 = 1\n5 = x\n")),
            (Messages{"t.kvf:20: 101: slot number must be 0 to 100", "t.kvf:21: 5: 'x' is not a function number"}));
}

TEST(SourceChecker, KeyPathWithAnUnknownRootName) {
  const Messages found = Check(Source("on2.key = HKCU\\Software\\X\noff2.key = HKEY_LOCAL_MACHINE\n"
                                      "on3.key = hkey_current_user\\Software\n"));
  EXPECT_EQ(found, (Messages{"t.kvf:19: on2.key: unknown root name 'HKCU'",
                             "t.kvf:21: on3.key: unknown root name 'hkey_current_user'",
                             "t.kvf:20: off2.key: key path 'HKEY_LOCAL_MACHINE' has no root name followed by '\\'"}));
  EXPECT_EQ(Check(Source("", "state.key = HKEY_USER\\.DEFAULT\n")),
            Messages{"t.kvf:19: state.key: field given twice in one section (first on line 12)"});
}

TEST(SourceChecker, ValueKindAndModeOutOfRange) {
  EXPECT_EQ(Check(Source("state.kind = 3\non1.kind = -1\noff1.mode = 2\n")),
            (Messages{"t.kvf:19: state.kind: value kind out of range (0 text, 1 DWORD, 2 binary) (is 3)",
                      "t.kvf:20: on1.kind: value kind out of range (0 text, 1 DWORD, 2 binary) (is -1)",
                      "t.kvf:21: off1.mode: mode out of range (0 write, 1 delete) (is 2)"}));
}

TEST(SourceChecker, InputKindOutsideZeroToTwo) {
  EXPECT_EQ(Check(Source("input = 3\n")),
            Messages{"t.kvf:19: input: input must be 0 (on/off), 1 (text) or 2 (number) (is 3)"});
  EXPECT_EQ(Check(Source("os = 2\n")), Messages{"t.kvf:19: os: field given twice in one section (first on line 7)"});
}

TEST(SourceChecker, BitOperationOnANonBinaryAction) {
  EXPECT_EQ(Check(Source("on1.data = %BITSET%3/8\noff1.data = %bitdel%3\noff1.kind = 2\n")),
            Messages{"t.kvf:19: on1.data: %BITSET%/%BITDEL% needs a binary action (on1.kind = 2)"});
  EXPECT_EQ(Check(Source("state.kind = 1\n").replace(Source().find("state.on = 1"), 12, "state.on = %BIT%4")),
            Messages{"t.kvf:14: state.on: a %BIT% test needs a binary state value (state.kind = 2)"});
}

TEST(SourceChecker, TextsTooLongOrNotInCodePage1252) {
  const std::string longText(65536, 'x');
  EXPECT_EQ(Check(Source("prompt.en = " + longText + "\nprompt.de = " + longText.substr(1) + "\n")),
            Messages{"t.kvf:19: prompt.en: text is 65536 bytes; at most 65535 fit"});
  // Two-byte UTF-8 characters count once each in code page 1252.
  std::string umlauts;
  for (int i = 0; i < 65535; ++i) umlauts += "\xC3\xA4";
  EXPECT_EQ(Check(Source("prompt.en = " + umlauts + "\nprompt.de = " + umlauts + "\n")), Messages{});
  EXPECT_EQ(Check(Source("unit.en = \" \xE2\x86\x92\"\nunit.de = \" \xCE\xBC" "s\"\n")),
            (Messages{"t.kvf:19: unit.en: character U+2192 cannot be written in code page 1252",
                      "t.kvf:20: unit.de: character U+03BC cannot be written in code page 1252"}));
}

TEST(SourceChecker, DuplicateFunctionNumbersAcrossFiles) {
  CatalogueSource source;
  Diagnostics diagnostics;
  ParseSource("a.kvf", Source(), source, diagnostics);
  ParseSource("b.kvf", "\n[function 1]\npage = 2\ngroup = 1\ncaption.en = A\ncaption.de = B\n", source, diagnostics);
  const Diagnostics found = CheckSource(source, {});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(FormatDiagnostic(found[0]), "b.kvf:2: function: duplicate function number 1 (first at a.kvf:4)");
}

TEST(SourceChecker, MissingGermanOrEnglishText) {
  const std::string noGermanHelp = Source().replace(Source().find("help.de"), 24, "help.de =");
  EXPECT_EQ(Check(noGermanHelp), Messages{"t.kvf:10: help.de: missing German help text (the English one is given)"});
  EXPECT_EQ(Check(noGermanHelp, {false, Language::English}), Messages{});
  EXPECT_EQ(Check(noGermanHelp, {false, Language::German}),
            Messages{"t.kvf:10: help.de: missing German help text (the English one is given)"});
  EXPECT_EQ(Check(Source("unit.de = \" ms\"\n", "[page 3]\ngroup2.en = Paths\n")),
            (Messages{"t.kvf:19: unit.en: missing English unit text (the German one is given)",
                      "t.kvf:21: group2.de: missing German group caption (the English one is given)"}));
}

TEST(SourceChecker, TwoFunctionsOnOneValue) {
  const std::string second = "[function 2]\npage = 2\ngroup = 1\ncaption.en = A\ncaption.de = B\n"
                             "state.key = HKEY_CURRENT_USER\\CONTROL PANEL\\Desktop\nstate.value = x\n";
  EXPECT_EQ(Check(Source("", second)),
            Messages{"t.kvf:25: state.value: reads the same value as function 1 (t.kvf:4); only bit functions and an "
                     "NT 4 / Windows 2000 pair may share a value"});
  // Bit functions share a value, one bit each; the same bit twice is a clash again.
  const auto bitSource = [&](const std::string& secondBit) {
    std::string text = Source("state.kind = 2\n", second + "state.kind = 2\nstate.on = " + secondBit + "\n");
    return text.replace(text.find("state.on = 1"), 12, "state.on = %BIT%3");
  };
  EXPECT_EQ(Check(bitSource("%BIT%4")), Messages{});
  EXPECT_EQ(Check(bitSource("%BIT%3")).size(), 1u);
}

// Data a value cannot hold would be written as 0 or as garbage bytes; one caption twice on a page
// cannot be told apart (an NT 4 / Windows 2000 pair is never shown together).
TEST(SourceChecker, DataItsValueKindCannotHoldAndCaptionsTwiceOnAPage) {
  EXPECT_EQ(Check(Source("state.kind = 1\non1.kind = 1\non1.data = on\noff1.kind = 1\noff1.data = &H1F\n"
                         "on2.key = HKEY_CURRENT_USER\\X\non2.kind = 2\non2.data = 0A0\n"
                         "off2.key = HKEY_CURRENT_USER\\X\noff2.kind = 2\noff2.data = %BITDEL%3\n"
                         "on3.key = HKEY_CURRENT_USER\\Y\non3.kind = 2\non3.data = 0a00\n"
                         "off3.key = HKEY_CURRENT_USER\\Z\noff3.kind = 1\noff3.mode = 1\n")
                      .replace(Source().find("state.on = 1"), 12, "state.on = x")),
            (Messages{"t.kvf:21: on1.data: DWORD data 'on' is not a number",
                      "t.kvf:26: on2.data: binary data '0A0' is not hex text of even length",
                      "t.kvf:14: state.on: 'x' is not a number, but the state value is a DWORD"}));
  const auto second = [](const std::string& os, const std::string& caption) {
    return "[function 2]\npage = 2\ngroup = 1\nos = " + os + "\ncaption.en = " + caption +
           "\ncaption.de = Anders\nstate.key = HKEY_CURRENT_USER\\Y\n";
  };
  // The "on when absent" fault: actions write a DWORD, the state is read as text, so 0 never matches.
  EXPECT_EQ(Check(Source("on1.kind = 1\non1.data = 1\n")),
            Messages{"t.kvf:19: on1.kind: writes the state value as kind 1 but state.kind is 0"});
  EXPECT_EQ(Check(Source("", second("2", "Animate"))),
            Messages{"t.kvf:23: caption.en: caption 'Animate' is already used on page 2 by function 1 (t.kvf:4); "
                     "only an NT 4 / Windows 2000 pair (os 1 and 0) may share a caption"});
  // An NT 4 / Windows 2000 pair shares its caption and its value.
  std::string pair = Source("", second("1", "Animate") + "state.value = X\n");
  pair.replace(pair.rfind("HKEY_CURRENT_USER\\Y"), 19, "HKEY_CURRENT_USER\\Control Panel\\Desktop");
  EXPECT_EQ(Check(pair.replace(pair.find("os = 2"), 6, "os = 0")), Messages{});
  EXPECT_EQ(Check(Source("", second("2", "Animate").replace(0, 21, "[function 2]\npage = 5"))).size(), 2u)
      << "another page may use the caption, but page 5 has no group 1 here";
}

// The "check" command: every function names its documentation, and a source for Windows 2000 alone
// does not establish the function for NT 4.
TEST(SourceChecker, EveryFunctionNamesWhereItIsDocumented) {
  const CheckOptions check{true, Language::English, true};
  EXPECT_EQ(Check(Source(), check),
            Messages{"t.kvf:4: source: function has no source (the documentation of its registry location, data "
                     "and systems)"});
  EXPECT_EQ(Check(Source("source = Windows 2000 Resource Kit, Registry Reference: X\n"), check),
            Messages{"t.kvf:7: os: the source names Windows 2000 and no NT 4 document, so os must be 0 (is 2)"});
  EXPECT_EQ(Check(Source("source = KB 123 (Windows NT 4.0, Windows 2000): X\n"), check), Messages{});
  EXPECT_EQ(Check(Source("source = Windows NT Resource Kit: X; Windows 2000 Resource Kit: X\n"), check), Messages{})
      << "the Windows NT Resource Kit is an NT 4 document";
  EXPECT_EQ(Check(Source("source = KB 1 (Windows NT 3.51); Windows 2000 Resource Kit: X\n"), check).size(), 1u);
  EXPECT_EQ(Check(Source()), Messages{}) << "compiling needs no source: the binary files never hold it";

  // An untraced function may wait for its document only behind the program's own controls (page 4).
  const std::string untraced = "source = untraced: searched X\n";
  EXPECT_EQ(Check(Source(untraced), check),
            Messages{"t.kvf:19: source: an untraced function does not belong on a tree page (page 2): trace it or "
                     "remove it"});
  std::string control = Source(untraced);
  control.replace(control.find("[page 2]"), 8, "[page 4]");
  control.replace(control.find("page = 2"), 8, "page = 4");
  EXPECT_EQ(Check(control, check),
            (Messages{"t.kvf:10: help.en: an untraced function's help must say so: '" +
                          std::string(UntracedHelpNote(Language::English)) + "'",
                      "t.kvf:11: help.de: an untraced function's help must say so: '" +
                          std::string(UntracedHelpNote(Language::German)) + "'"}))
      << "the user is told the value is undocumented";
  control.replace(control.find("#Body"), 5, std::string("#Body|") + UntracedHelpNote(Language::English));
  control.replace(control.find("#Text"), 5, std::string("#Text|") + UntracedHelpNote(Language::German));
  EXPECT_EQ(Check(control, check), Messages{});
}

TEST(SourceChecker, UnknownFieldsAndBadNumbers) {
  EXPECT_EQ(Check(Source("colour = red\ncaption.fr = x\nnumber.max = 40000\nnumber.min = 1.5\n",
                         "[page 2]\n")),
            (Messages{"t.kvf:23: page: duplicate page 2 (first at t.kvf:1)",
                      "t.kvf:19: colour: unknown field", "t.kvf:20: caption.fr: unknown field",
                      "t.kvf:21: number.max: '40000' is not a number from -32768 to 32767",
                      "t.kvf:22: number.min: '1.5' is not a number from -32768 to 32767"}));
  EXPECT_EQ(Check(Source("on3.value = X\n")), Messages{"t.kvf:19: on3.value: action has no on3.key and is never used"});
}

}  // namespace
}  // namespace kvcat
