// The Logon screen tab's model against a hand-built catalogue: set-up from the engine's values, which
// write each event makes, the colour text both ways and the control tags.
#include <gtest/gtest.h>

#include "app/pages/logon_screen/core/logon_screen_tab.h"
#include "app/pages/tests/fake_source.h"

namespace kv {
namespace {

// Dialogs answer from what the test prepared and remember how they were asked.
class FakeLogonHost : public LogonScreenHost {
 public:
  bool colourChosen = false;
  std::uint32_t chosenColour = 0;
  std::uint32_t colourAskedWith = 0xFFFFFFFF;
  std::string fileResult;
  std::string fileTitle, fileStart, fileFilter;
  std::vector<std::string> helpShown;

  std::string Text(int id) const override { return "text" + std::to_string(id); }
  bool ChooseColour(std::uint32_t* colour) override {
    colourAskedWith = *colour;
    if (colourChosen) *colour = chosenColour;
    return colourChosen;
  }
  std::string ChooseOpenFile(const std::string& title, const std::string& file, const std::string& filter) override {
    fileTitle = title;
    fileStart = file;
    fileFilter = filter;
    return fileResult;
  }
  void ShowFunctionHelp(const std::string& helpText) override { helpShown.push_back(helpText); }
};

// Slots 14..21 hold functions 214..221 (the number is slot + 200).
FakeSource LogonCatalogue() {
  FakeSource s;
  s.functions.assign(222, Fn(6, 1, "unused", 0));
  for (int slot = 14; slot <= 21; ++slot) {
    s.functions[200 + slot] = Fn(6, 1, "slot" + std::to_string(slot), slot == 16 || slot == 21 ? 0 : 1);
    s.slots[slot] = 200 + slot;
  }
  return s;
}

struct LogonRig {
  FakeSource source = LogonCatalogue();
  FakeLogonHost host;
  LogonScreenTabModel tab{source, host};
};

TEST(LogonScreenTab, SetUpShowsTheEngineValuesAndWritesNothing) {
  LogonRig r;
  r.source.states = {{216, 1}, {221, 1}};
  r.source.values = {{217, "anna"}, {218, "secret"}, {215, "Notice"}, {214, "Be nice"}, {219, "0 0 255"},
                     {220, "C:\\logo.bmp"}};
  r.tab.Load();
  const LogonScreenState& s = r.tab.State();
  EXPECT_TRUE(s.AutoLogon);
  EXPECT_EQ(s.Fields[0], "anna");
  EXPECT_EQ(s.Fields[1], "secret");
  EXPECT_EQ(s.Fields[2], "Notice");
  EXPECT_EQ(s.Fields[3], "Be nice");
  EXPECT_EQ(s.Colour, 0x00FF0000u);  // blue
  EXPECT_EQ(s.Bitmap, "C:\\logo.bmp");
  EXPECT_EQ(s.Arrangement, 1);
  EXPECT_FALSE(r.tab.Loading());
  EXPECT_TRUE(r.source.applied.empty());
  EXPECT_EQ(r.tab.Tag(LogonControl::AutoLogon), "216");
  EXPECT_EQ(r.tab.Tag(LogonControl::MessageText), "214");
  EXPECT_EQ(r.tab.Tag(LogonControl::HelpBackground), "219");
}

TEST(LogonScreenTab, EmptyOrDamagedColourKeepsTheDesignedColour) {
  for (const char* stored : {"", "12 34", "red green blue", "1 x 3"}) {
    LogonRig r;
    r.source.values[219] = stored;
    r.tab.Load();
    EXPECT_EQ(r.tab.State().Colour, kDesignedButtonColour) << stored;
  }
}

TEST(LogonScreenTab, EachKeystrokeWritesTheWholeText) {
  LogonRig r;
  r.tab.Load();
  const std::string name = "maria";
  for (std::size_t n = 1; n <= name.size(); ++n) r.tab.TextChanged(0, name.substr(0, n));
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"217=m", "217=ma", "217=mar", "217=mari", "217=maria"}));
  r.source.applied.clear();
  r.tab.TextChanged(3, "");  // the empty text is written too
  r.tab.TextChanged(1, "pw");
  r.tab.TextChanged(2, "Title");
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"214=", "218=pw", "215=Title"}));
  r.tab.TextChanged(4, "x");
  r.tab.TextChanged(-1, "x");
  EXPECT_EQ(r.source.applied.size(), 3u);
}

TEST(LogonScreenTab, SwitchesAutoLogonAndArrangement) {
  LogonRig r;
  r.tab.Load();
  r.tab.AutoLogonChanged(true);
  r.tab.AutoLogonChanged(false);
  r.tab.ArrangementChosen(1);  // Tile
  r.tab.ArrangementChosen(0);  // Center
  r.tab.ArrangementChosen(-1);  // no selection: nothing
  r.tab.ArrangementChosen(2);
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"216=on", "216=off", "221=on", "221=off"}));
  EXPECT_EQ(r.tab.State().Arrangement, 0);
}

TEST(LogonScreenTab, EventsWhileLoadingWriteNothing) {
  LogonRig r;
  r.tab.Load();
  r.host.colourChosen = true;
  r.tab.SetLoading(true);
  r.tab.TextChanged(0, "a");
  r.tab.AutoLogonChanged(true);
  r.tab.ArrangementChosen(1);
  EXPECT_FALSE(r.tab.ColourPressed());
  EXPECT_FALSE(r.tab.BitmapPressed());
  EXPECT_TRUE(r.source.applied.empty());
  EXPECT_EQ(r.tab.State().Fields[0], "");
}

TEST(LogonScreenTab, ColourDialogStartsAtTheButtonColourAndWritesTheChoice) {
  LogonRig r;
  r.source.values[219] = "10 20 30";
  r.tab.Load();
  EXPECT_FALSE(r.tab.ColourPressed());  // cancelled: nothing changes
  EXPECT_EQ(r.host.colourAskedWith, 0x001E140Au);
  EXPECT_TRUE(r.source.applied.empty());
  r.host.colourChosen = true;
  r.host.chosenColour = 0xAB0000FF;  // pure red; a fourth byte is not written
  EXPECT_TRUE(r.tab.ColourPressed());
  EXPECT_EQ(r.tab.State().Colour, 0x000000FFu);
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"219=255 0 0"}));
}

TEST(LogonScreenTab, BitmapDialogWritesItsResultAndCancelRemovesThePicture) {
  LogonRig r;
  r.source.values[220] = "C:\\old.bmp";
  r.tab.Load();
  r.host.fileResult = "C:\\new.bmp";
  EXPECT_TRUE(r.tab.BitmapPressed());
  EXPECT_EQ(r.host.fileTitle, "text124");
  EXPECT_EQ(r.host.fileStart, "C:\\old.bmp");
  EXPECT_EQ(r.host.fileFilter, std::string("text125\0*.bmp\0", 14));
  r.host.fileResult = "";
  EXPECT_TRUE(r.tab.BitmapPressed());
  EXPECT_EQ(r.host.fileStart, "C:\\new.bmp");
  EXPECT_EQ(r.tab.State().Bitmap, "");
  EXPECT_EQ(r.source.applied, (std::vector<std::string>{"220=C:\\new.bmp", "220="}));
}

TEST(LogonScreenTab, HelpButtonsShowTheirFunctionsHelp) {
  LogonRig r;
  r.tab.Load();
  r.tab.HelpPressed(LogonControl::HelpLogon);
  r.tab.HelpPressed(LogonControl::HelpMessage);
  r.tab.HelpPressed(LogonControl::HelpBackground);
  EXPECT_EQ(r.host.helpShown, (std::vector<std::string>{"help of slot16", "help of slot14", "help of slot19"}));
}

TEST(LogonScreenTab, EmptySlotsLeaveTheirControlsWithoutEffect) {
  LogonRig r;
  r.source.slots.erase(17);
  r.source.slots[16] = 999;  // not a function of the catalogue
  r.tab.Load();
  EXPECT_EQ(r.tab.Tag(LogonControl::UserName), "");
  EXPECT_EQ(r.tab.Tag(LogonControl::AutoLogon), "");
  r.tab.TextChanged(0, "x");
  r.tab.AutoLogonChanged(true);
  r.tab.HelpPressed(LogonControl::HelpLogon);
  EXPECT_TRUE(r.source.applied.empty());
  EXPECT_TRUE(r.host.helpShown.empty());
}

TEST(LogonTags, OnlyWholeDecimalNumbersNameAFunction) {
  EXPECT_EQ(FunctionOfTag("117"), 117);
  EXPECT_EQ(FunctionOfTag("0"), 0);
  for (const char* bad : {"", " 117", "117 ", "-1", "+5", "12x", "x12", "1234567890"}) EXPECT_EQ(FunctionOfTag(bad), -1) << bad;
}

TEST(LogonColourText, WritesRedGreenBlueAndReadsLeniently) {
  EXPECT_EQ(ColourText(0x000080FF), "255 128 0");
  EXPECT_EQ(ColourText(0xFF000000), "0 0 0");
  std::uint32_t c = 7;
  EXPECT_TRUE(ParseColourText("255 128 0", &c));
  EXPECT_EQ(c, 0x000080FFu);
  EXPECT_TRUE(ParseColourText("  1   2 3 4", &c));  // runs of blanks; a fourth number is ignored
  EXPECT_EQ(c, 0x00030201u);
  EXPECT_TRUE(ParseColourText("300 12px 0", &c));  // above 255 counts as 255; text after the digits ignored
  EXPECT_EQ(c, 0x00000CFFu);
  c = 7;
  for (const char* bad : {"", "1 2", "1 -2 3", "a b c", "1 2 three"}) {
    EXPECT_FALSE(ParseColourText(bad, &c)) << bad;
    EXPECT_EQ(c, 7u) << bad;
  }
  for (std::uint32_t colour : {0u, 0x00FFFFFFu, 0x00123456u}) {
    ASSERT_TRUE(ParseColourText(ColourText(colour), &c));
    EXPECT_EQ(c, colour);
  }
}

}  // namespace
}  // namespace kv
