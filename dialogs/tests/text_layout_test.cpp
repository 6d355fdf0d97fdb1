// Native tests of the dialog texts, placement, fade steps and help-box scrolling rules.
#include <gtest/gtest.h>

#include "dialogs/core/fade.h"
#include "dialogs/core/help_scroll.h"
#include "dialogs/core/msg_buttons.h"
#include "dialogs/core/placement.h"
#include "dialogs/core/text_rules.h"

namespace kvdlg {
namespace {

TEST(TextRules, BarsBecomeCrLfAndEmptyHeadlineIsProductName) {
  EXPECT_EQ(BarsToLineBreaks("a|b||c"), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(BarsToLineBreaks(""), "");
  EXPECT_EQ(HeadlineOrDefault(""), "Korvane 2000");
  EXPECT_EQ(HeadlineOrDefault("Achtung"), "Achtung");
}

TEST(TextRules, HelpTextSplitsOnlyOnHashAfterFirstCharacter) {
  HelpText t = SplitHelpText("Titel#Text|zwei#drei");
  EXPECT_TRUE(t.hasHeading);
  EXPECT_EQ(t.heading, "Titel");
  EXPECT_EQ(t.body, "Text|zwei#drei");

  t = SplitHelpText("#nur Text");
  EXPECT_FALSE(t.hasHeading);
  EXPECT_EQ(t.body, "#nur Text");

  t = SplitHelpText("kein Kopf");
  EXPECT_FALSE(t.hasHeading);
  EXPECT_EQ(t.body, "kein Kopf");

  t = SplitHelpText("K#");
  EXPECT_TRUE(t.hasHeading);
  EXPECT_EQ(t.body, "");
}

TEST(TextRules, HelpBodyIsCutAt32000Characters) {
  std::string longBody(40000, 'x');
  HelpText t = SplitHelpText("H#" + longBody);
  EXPECT_EQ(t.body.size(), 32000u);
  // Without a heading the text is not cut.
  EXPECT_EQ(SplitHelpText(longBody).body.size(), 40000u);
}

TEST(TextRules, LanguageOffsetAndLeadingNumber) {
  EXPECT_EQ(LanguageOffsetFromSetting(0), 0);
  EXPECT_EQ(LanguageOffsetFromSetting(1), 1000);
  EXPECT_EQ(LanguageOffsetFromSetting(7), 0);
  EXPECT_EQ(LanguageOffsetFromSetting(0xffffffffu), 0);
  EXPECT_EQ(LeadingNumber("  42abc"), 42);
  EXPECT_EQ(LeadingNumber("-3"), -3);
  EXPECT_EQ(LeadingNumber("x1"), 0);
  EXPECT_EQ(LeadingNumber("99999999999999"), 2147483647);
}

TEST(MessageButtons, KindsCarryTheirCodesAndUnknownKindsActAsOk) {
  ButtonPair ok = ButtonsFor(0);
  EXPECT_FALSE(ok.first.visible);
  EXPECT_EQ(ok.second.textId, kTextOk);
  EXPECT_EQ(ok.second.code, 1);
  ButtonPair okCancel = ButtonsFor(1);
  EXPECT_EQ(okCancel.first.code, 1);
  EXPECT_EQ(okCancel.second.code, 2);
  EXPECT_EQ(okCancel.second.textId, kTextCancel);
  ButtonPair yesNo = ButtonsFor(2);
  EXPECT_EQ(yesNo.first.textId, kTextYes);
  EXPECT_EQ(yesNo.first.code, 6);
  EXPECT_EQ(yesNo.second.textId, kTextNo);
  EXPECT_EQ(yesNo.second.code, 7);
  for (int odd : {-1, 3, 255, 32767}) {
    ButtonPair p = ButtonsFor(odd);
    EXPECT_FALSE(p.first.visible) << odd;
    EXPECT_EQ(p.second.code, 1) << odd;
  }
}

TEST(Placement, CentresOnOwnerAndStaysOnScreen) {
  const Rect screen{0, 0, 1024, 768};
  Point p = CenterOnRect(Rect{100, 100, 500, 400}, 200, 100, screen);
  EXPECT_EQ(p.x, 200);
  EXPECT_EQ(p.y, 200);
  // Owner at the bottom-right corner: pulled back so the whole dialog is visible.
  p = CenterOnRect(Rect{900, 700, 1100, 800}, 300, 200, screen);
  EXPECT_EQ(p.x, 1024 - 300);
  EXPECT_EQ(p.y, 768 - 200);
  // Owner off the top-left.
  p = CenterOnRect(Rect{-400, -300, -100, -100}, 300, 200, screen);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  // A dialog larger than the screen starts at its top-left.
  p = CenterOnRect(Rect{0, 0, 100, 100}, 2000, 1000, screen);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  p = CenterOnScreen(200, 100, screen);
  EXPECT_EQ(p.x, 412);
  EXPECT_EQ(p.y, 334);
}

TEST(Fade, OpacityStepsDownToRemainder) {
  std::vector<int> thirty = FadeSequence(kMessageFadeStep);
  ASSERT_EQ(thirty.size(), 9u);
  EXPECT_EQ(thirty.front(), 255);
  EXPECT_EQ(thirty[1], 225);
  EXPECT_EQ(thirty.back(), 15);
  std::vector<int> ten = FadeSequence(kHelpFadeStep);
  ASSERT_EQ(ten.size(), 26u);
  EXPECT_EQ(ten[1], 245);
  EXPECT_EQ(ten.back(), 5);
  EXPECT_EQ(FadeSequence(5).back(), 0);
  EXPECT_EQ(FadeSequence(0), std::vector<int>{255});
  EXPECT_EQ(FadeSequence(-30), std::vector<int>{255});
}

TEST(HelpScroll, AreaRoundsToWholeLinesHalfToEven) {
  EXPECT_EQ(RoundHalfToEven(2.5), 2);
  EXPECT_EQ(RoundHalfToEven(3.5), 4);
  EXPECT_EQ(RoundAreaToLines(100, 20), 100);
  EXPECT_EQ(RoundAreaToLines(110, 20), 120);  // 5.5 lines -> 6
  EXPECT_EQ(RoundAreaToLines(90, 20), 80);    // 4.5 lines -> 4
  EXPECT_EQ(RoundAreaToLines(5, 20), 20);     // at least one line
  EXPECT_EQ(RoundAreaToLines(50, 0), 50);
  EXPECT_EQ(MoreMarginPixels(15), 7);
  EXPECT_EQ(MoreMarginPixels(0), 7);
}

TEST(HelpScroll, ShortTextDisablesBarWithoutIndicator) {
  HelpScrollModel m;
  m.SetText(3, 16, 160, 7);
  EXPECT_FALSE(m.ScrollEnabled());
  EXPECT_FALSE(m.Blinking());
  m.Tick();
  EXPECT_FALSE(m.IndicatorShown());
  // Exactly filling the area still needs no scrolling.
  m.SetText(10, 16, 160, 7);
  EXPECT_FALSE(m.ScrollEnabled());
}

TEST(HelpScroll, LongTextScrollsToEndAndStopsBlinking) {
  HelpScrollModel m;
  m.SetText(30, 16, 160, 7);
  ASSERT_TRUE(m.ScrollEnabled());
  EXPECT_EQ(m.Max(), 30 * 16 - 160 + 7);
  EXPECT_EQ(m.SmallChange(), 16);
  EXPECT_EQ(m.LargeChange(), m.Max());
  EXPECT_TRUE(m.IndicatorShown());
  m.Tick();
  EXPECT_FALSE(m.IndicatorShown());
  m.Tick();
  EXPECT_TRUE(m.IndicatorShown());
  m.SetValue(100);
  EXPECT_EQ(m.TextTop(), -100);
  EXPECT_TRUE(m.Blinking());
  m.SetValue(100000);
  EXPECT_EQ(m.TextTop(), -m.Max());
  EXPECT_FALSE(m.Blinking());
  m.Tick();
  EXPECT_FALSE(m.IndicatorShown());
  // Scrolling back up does not restart it; a new text does.
  m.SetValue(0);
  EXPECT_FALSE(m.Blinking());
  m.SetText(40, 16, 160, 7);
  EXPECT_TRUE(m.Blinking());
  EXPECT_EQ(m.TextTop(), 0);
}

}  // namespace
}  // namespace kvdlg
