// Picture button, number field and progress bar models: their rules at the edges.
#include <gtest/gtest.h>

#include <climits>

#include "app/controls/core/picture_button_model.h"
#include "app/controls/core/progress_model.h"
#include "app/controls/core/up_down_model.h"

namespace kv::controls {
namespace {

TEST(PictureButtonModel, OverDownAndNormalPicturesAndClickOnlyOnReleaseOver) {
  PictureButtonModel m;
  EXPECT_EQ(m.State(), PictureState::Normal);
  EXPECT_TRUE(m.PointerMoved());
  EXPECT_FALSE(m.PointerMoved());
  EXPECT_EQ(m.State(), PictureState::Over);
  m.Press();
  EXPECT_EQ(m.State(), PictureState::Down);
  EXPECT_TRUE(m.Release(true));
  EXPECT_EQ(m.State(), PictureState::Over);
  EXPECT_TRUE(m.Poll(true));
  EXPECT_FALSE(m.Poll(false));
  EXPECT_EQ(m.State(), PictureState::Normal);

  m.PointerMoved();
  m.Press();
  EXPECT_TRUE(m.Poll(false)) << "a held press keeps the down picture while the pointer is away";
  EXPECT_EQ(m.State(), PictureState::Down);
  EXPECT_FALSE(m.Release(false));
  EXPECT_EQ(m.State(), PictureState::Normal);
  EXPECT_FALSE(m.Poll(false));
  EXPECT_FALSE(m.Release(true)) << "no click without a press";
}

TEST(PictureButtonModel, CancelledPressFallsBackToTheHoverPicture) {
  PictureButtonModel m;
  m.PointerMoved();
  m.Press();
  m.CancelPress();
  EXPECT_EQ(m.State(), PictureState::Over);
  EXPECT_FALSE(m.Release(true));
}

TEST(FieldNumber, AcceptsSignedDigitsWithBlanksOnly) {
  EXPECT_EQ(ParseFieldNumber("42"), 42);
  EXPECT_EQ(ParseFieldNumber(" -7 "), -7);
  EXPECT_EQ(ParseFieldNumber("+3"), 3);
  EXPECT_EQ(ParseFieldNumber("007"), 7);
  EXPECT_EQ(ParseFieldNumber("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseFieldNumber("-99999999999999999999"), INT_MIN);
  for (const char* bad : {"", " ", "-", "+", "a", "1a", "1.5", "1,000", "1 2", "&H10", "--1", "\xE4"})
    EXPECT_FALSE(ParseFieldNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(UpDownModel, DefaultsAndAccelerationFromStep) {
  UpDownModel m;
  EXPECT_EQ(m.Min(), 1);
  EXPECT_EQ(m.Max(), 100);
  EXPECT_EQ(m.Step(), 1);
  EXPECT_EQ(m.Value(), 1);
  EXPECT_TRUE(m.Enabled());
  m.SetStep(16);
  UpDownAccel a[2];
  m.AccelerationTable(a);
  EXPECT_EQ(a[0].seconds, 0u);
  EXPECT_EQ(a[0].increment, 16u);
  EXPECT_EQ(a[1].seconds, 2u);
  EXPECT_EQ(a[1].increment, 80u);
  m.SetStep(0);
  EXPECT_EQ(m.Step(), 1) << "a step below 1 steps by 1";
  m.SetStep(INT_MAX);
  m.AccelerationTable(a);
  EXPECT_EQ(a[1].increment, static_cast<unsigned>(INT_MAX)) << "no overflow of the fast step";
}

TEST(UpDownModel, TypingALetterReplacesTheTextByMinAndRaisesUpdate) {
  UpDownModel m;
  m.SetRange(5, 100);
  m.SetValue(40);
  UpDownReaction r = m.TextChanged("40x");
  ASSERT_TRUE(r.replaceText.has_value());
  EXPECT_EQ(*r.replaceText, "5");
  EXPECT_TRUE(r.raiseUpdate);
  EXPECT_EQ(m.Value(), 5);
  r = m.TextChanged("");
  EXPECT_EQ(r.replaceText.value_or("?"), "5") << "an emptied box is not a number either";
  r = m.TextChanged("77");
  EXPECT_FALSE(r.replaceText.has_value());
  EXPECT_TRUE(r.raiseUpdate);
  EXPECT_EQ(m.Value(), 77);
}

TEST(UpDownModel, LeavingWithANumberAboveMaxShowsMax) {
  UpDownModel m;
  UpDownReaction r = m.TextChanged("500");
  EXPECT_FALSE(r.replaceText.has_value()) << "while typing the number may pass Max";
  EXPECT_EQ(m.Value(), 500);
  r = m.FocusLost("500");
  EXPECT_EQ(r.replaceText.value_or("?"), "100");
  EXPECT_EQ(m.Value(), 100);
  EXPECT_FALSE(m.FocusLost("100").replaceText.has_value());
  EXPECT_EQ(m.FocusLost(" 100").replaceText.value_or("?"), "100") << "blanks are tidied away";
}

TEST(UpDownModel, LeavingBelowMinShowsMinAndLeavingWithTextShowsMin) {
  UpDownModel m;
  m.SetRange(10, 20);
  EXPECT_EQ(m.FocusLost("3").replaceText.value_or("?"), "10");
  EXPECT_EQ(m.FocusLost("abc").replaceText.value_or("?"), "10");
  EXPECT_EQ(m.Value(), 10);
}

TEST(UpDownModel, ArrowsStayInRangeAndStartFromAValueOutsideIt) {
  UpDownModel m;
  m.SetRange(0, 10);
  m.SetStep(4);
  m.SetValue(8);
  EXPECT_EQ(m.Arrow(true), "10");
  EXPECT_EQ(m.Arrow(true), "10");
  EXPECT_EQ(m.Arrow(false), "6");
  m.TextChanged("500");
  EXPECT_EQ(m.Arrow(false), "6") << "from 500 the down arrow starts at Max";
  m.SetValue(1);
  EXPECT_EQ(m.Arrow(false), "0");
  m.SetRange(INT_MIN, INT_MAX);
  m.SetStep(INT_MAX);
  m.SetValue(INT_MAX - 1);
  EXPECT_EQ(m.Arrow(true), std::to_string(INT_MAX));
}

TEST(UpDownModel, RangeKeepsTheValueAndAReversedRangeStillBounds) {
  UpDownModel m;
  m.SetValue(500);
  EXPECT_EQ(m.Value(), 100);
  m.SetValue(-5);
  EXPECT_EQ(m.Value(), 1);
  m.SetRange(50, 10);
  EXPECT_EQ(m.Value(), 10);
  EXPECT_EQ(m.Low(), 10);
  EXPECT_EQ(m.High(), 50);
  m.SetMax(1024);
  m.SetMin(0);
  m.SetValue(512);
  EXPECT_EQ(m.Text(), "512");
  UpDownModel fromForm(UpDownProperties{1, 30, 0, 99, false});
  EXPECT_EQ(fromForm.Value(), 30);
  EXPECT_EQ(fromForm.Step(), 1);
  EXPECT_FALSE(fromForm.Enabled());
}

TEST(ProgressModel, DefaultsAndStyleChangesAskForANewBar) {
  ProgressModel m;
  const ProgressProperties& p = m.Properties();
  EXPECT_EQ(p.orientation, ProgressOrientation::Horizontal);
  EXPECT_FALSE(p.smooth);
  EXPECT_EQ(p.borderStyle, 1);
  EXPECT_EQ(p.foreColor, kSysHighlight);
  EXPECT_EQ(p.backColor, kSysButtonFace);
  EXPECT_EQ(p.min, 0);
  EXPECT_EQ(p.max, 100);
  EXPECT_EQ(p.step, 1);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_TRUE(m.SetOrientation(ProgressOrientation::Vertical));
  EXPECT_FALSE(m.SetOrientation(ProgressOrientation::Vertical));
  EXPECT_TRUE(m.SetSmooth(true));
  EXPECT_FALSE(m.SetSmooth(true));
  EXPECT_TRUE(m.SetBorderStyle(0));
  EXPECT_FALSE(m.SetBorderStyle(0));
  EXPECT_FALSE(m.SetBorderStyle(0)) << "0 stays none";
  EXPECT_TRUE(m.SetBorderStyle(5)) << "anything else is a single border";
  EXPECT_EQ(m.Properties().borderStyle, 1);
}

TEST(ProgressModel, PositionStaysInRangeAndStepItStartsOver) {
  ProgressModel m;
  m.SetPosition(150);
  EXPECT_EQ(m.Position(), 100);
  m.SetPosition(-1);
  EXPECT_EQ(m.Position(), 0);
  m.SetStep(30);
  m.SetPosition(90);
  m.StepIt();
  EXPECT_EQ(m.Position(), 20);
  m.SetStep(-30);
  m.StepIt();
  EXPECT_EQ(m.Position(), 90);
  m.SetRange(5, 5);
  m.StepIt();
  EXPECT_EQ(m.Position(), 5);
  m.SetRange(INT_MIN, INT_MAX);
  m.SetStep(INT_MAX);
  m.SetPosition(INT_MAX - 1);
  m.StepIt();  // no overflow
  EXPECT_GE(m.Position(), INT_MIN);
}

TEST(ProgressModel, SettingMinAndMaxOneAfterTheOtherKeepsBoth) {
  ProgressModel m;
  m.SetMin(200);
  m.SetMax(300);
  EXPECT_EQ(m.Properties().min, 200);
  EXPECT_EQ(m.Properties().max, 300);
  m.SetPosition(250);
  EXPECT_EQ(m.Position(), 250);
  m.SetMax(100000);  // larger than the 16-bit range of the old messages
  m.SetPosition(99999);
  EXPECT_EQ(m.Position(), 99999);
}

}  // namespace
}  // namespace kv::controls
