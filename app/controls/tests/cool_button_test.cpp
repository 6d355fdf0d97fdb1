// Flat button model: defaults, the hover/press state machine, the look and the icon/caption layout.
#include <gtest/gtest.h>

#include "app/controls/core/cool_button_layout.h"
#include "app/controls/core/cool_button_model.h"

namespace kv::controls {
namespace {

TEST(CoolButtonProperties, StoredAndNewInstanceDefaults) {
  const CoolButtonProperties s = CoolButtonProperties::Stored();
  EXPECT_EQ(s.caption, "FlatButton");
  EXPECT_TRUE(s.viewImage);
  EXPECT_EQ(s.iconOffsetX, 10);
  EXPECT_EQ(s.iconOffsetY, 0);
  EXPECT_EQ(s.alignment, CaptionAlignment::Centre);
  EXPECT_EQ(s.backColor, 0xC0C0C0u);
  EXPECT_EQ(s.colorOverBttn, 0xC0C0C0u);
  EXPECT_EQ(s.captionColor, 0u);
  EXPECT_EQ(s.colorLight, 0xFFFFFFu);
  EXPECT_EQ(s.colorShaddow, 0x808080u);
  EXPECT_TRUE(s.activeOver && s.captionKlickPos && s.enabled);
  EXPECT_FALSE(s.boldOverBttn);

  const CoolButtonProperties n = CoolButtonProperties::NewInstance();
  EXPECT_EQ(n.colorOverBttn, kSysButtonFace);
  EXPECT_TRUE(IsSystemColour(n.colorOverBttn));
  EXPECT_EQ(SystemColourIndex(n.colorOverBttn), 15);
  EXPECT_TRUE(n.activeOver && n.captionKlickPos);
  EXPECT_EQ(n.iconOffsetX, 10);

  EXPECT_EQ(CoolButtonProperties::AlignmentFromNumber(0), CaptionAlignment::Left);
  EXPECT_EQ(CoolButtonProperties::AlignmentFromNumber(1), CaptionAlignment::Right);
  EXPECT_EQ(CoolButtonProperties::AlignmentFromNumber(7), CaptionAlignment::Centre);
  EXPECT_EQ(CoolButtonProperties::AlignmentFromNumber(-1), CaptionAlignment::Centre);
}

CoolButtonProperties Distinct() {
  CoolButtonProperties p;
  p.backColor = 0x111111;
  p.colorOverBttn = 0x222222;
  p.captionColor = 0x333333;
  p.captionColorOverBttn = 0x444444;
  p.boldOverBttn = true;
  return p;
}

void ExpectNormalLook(const CoolButtonModel& m) {
  const CoolButtonLook l = m.Look();
  EXPECT_FALSE(l.frameVisible);
  EXPECT_EQ(l.background, m.Properties().backColor);
  EXPECT_EQ(l.captionColour, m.Properties().captionColor);
  EXPECT_FALSE(l.bold);
  EXPECT_EQ(l.pressOffset, 0);
}

TEST(CoolButtonModel, HoverShowsRaisedFrameBoldAndColoursUntilThePollSeesThePointerGone) {
  CoolButtonModel m(Distinct());
  ExpectNormalLook(m);
  EXPECT_TRUE(m.PointerMoved());   // starts the timer
  EXPECT_FALSE(m.PointerMoved());  // already running
  CoolButtonLook l = m.Look();
  EXPECT_TRUE(l.frameVisible);
  EXPECT_EQ(l.frameTopLeft, 0xFFFFFFu);
  EXPECT_EQ(l.frameBottomRight, 0x808080u);
  EXPECT_EQ(l.background, 0x222222u);
  EXPECT_EQ(l.captionColour, 0x444444u);
  EXPECT_TRUE(l.bold);
  EXPECT_TRUE(m.Poll(true));    // still over: keep polling
  EXPECT_FALSE(m.Poll(false));  // gone: stop
  ExpectNormalLook(m);
  EXPECT_TRUE(m.PointerMoved());  // a new entry restarts the timer
}

TEST(CoolButtonModel, PressSinksTheFrameAndMovesTheContentReleaseOverRaisesClick) {
  CoolButtonModel m(Distinct());
  m.PointerMoved();
  m.Press();
  CoolButtonLook l = m.Look();
  EXPECT_TRUE(l.frameVisible);
  EXPECT_EQ(l.frameTopLeft, 0x808080u);
  EXPECT_EQ(l.frameBottomRight, 0xFFFFFFu);
  EXPECT_EQ(l.pressOffset, CoolButtonModel::kPressOffset);
  EXPECT_TRUE(m.Release(true));
  l = m.Look();
  EXPECT_EQ(l.frameTopLeft, 0xFFFFFFu);
  EXPECT_EQ(l.pressOffset, 0);
  EXPECT_FALSE(m.Release(true)) << "a second release without press is no click";
}

TEST(CoolButtonModel, PressDragOffReleaseGivesNoClickAndNormalLookAfterThePoll) {
  CoolButtonModel m(Distinct());
  m.PointerMoved();
  m.Press();
  EXPECT_TRUE(m.Poll(false)) << "while pressed the poll keeps the pressed look";
  EXPECT_TRUE(m.Look().frameVisible);
  EXPECT_EQ(m.Look().frameTopLeft, 0x808080u);
  EXPECT_FALSE(m.Release(false));
  EXPECT_FALSE(m.Pressed());
  EXPECT_FALSE(m.Poll(false));
  ExpectNormalLook(m);
}

TEST(CoolButtonModel, WithoutCaptionKlickPosThePressDoesNotMoveTheContent) {
  CoolButtonProperties p;
  p.captionKlickPos = false;
  CoolButtonModel m(p);
  m.Press();
  EXPECT_EQ(m.Look().pressOffset, 0);
  EXPECT_EQ(m.Look().frameTopLeft, p.colorShaddow);
}

TEST(CoolButtonModel, ActiveOverFalseAlwaysShowsTheFrame) {
  CoolButtonProperties p;
  p.activeOver = false;
  CoolButtonModel m(p);
  EXPECT_TRUE(m.Look().frameVisible);
  m.PointerMoved();
  EXPECT_TRUE(m.Look().frameVisible);
  m.Poll(false);
  EXPECT_TRUE(m.Look().frameVisible);
  m.SetEnabled(false);
  EXPECT_TRUE(m.Look().frameVisible);
  EXPECT_EQ(m.Look().frameTopLeft, p.colorLight);
}

TEST(CoolButtonModel, ChangeStatusDrawsPressedOrRaisedWithoutClick) {
  CoolButtonModel m;
  m.ChangeStatus(true);
  EXPECT_TRUE(m.Look().frameVisible);
  EXPECT_EQ(m.Look().frameTopLeft, m.Properties().colorShaddow);
  EXPECT_FALSE(m.Pressed());
  m.ChangeStatus(false);
  EXPECT_FALSE(m.Look().frameVisible);
  EXPECT_FALSE(m.Release(true));
}

TEST(CoolButtonModel, DisabledButtonNeitherHoversNorClicks) {
  CoolButtonModel m(Distinct());
  m.PointerMoved();
  m.Press();
  m.SetEnabled(false);
  EXPECT_FALSE(m.Pressed());
  EXPECT_FALSE(m.Hovered());
  EXPECT_TRUE(m.Look().greyed);
  EXPECT_FALSE(m.PointerMoved());
  m.Press();
  EXPECT_FALSE(m.Release(true));
  EXPECT_FALSE(m.Look().frameVisible);
  EXPECT_EQ(m.Look().background, 0x111111u);
  m.SetEnabled(true);
  EXPECT_TRUE(m.PointerMoved());
}

TEST(CoolButtonModel, CancelledPressRaisesNothingAndRestoresTheRaisedFrame) {
  CoolButtonModel m;
  m.PointerMoved();
  m.Press();
  m.CancelPress();
  EXPECT_FALSE(m.Sunken());
  EXPECT_FALSE(m.Release(true));
}

TEST(CoolButtonLayout, IconAtItsOffsetsCaptionAlignedInTheRestAndPressOffset) {
  CoolButtonProperties p;  // centre, icon offset 10/0
  CoolButtonLayout l = LayoutCoolButton(p, 120, 30, Size{16, 16}, Size{40, 13}, 0);
  EXPECT_EQ(l.icon, (Rect{10, 7, 26, 23}));
  const int areaLeft = 26 + kCoolIconGap, areaRight = 120 - kCoolCaptionMargin;
  EXPECT_EQ(l.caption.left, areaLeft + (areaRight - areaLeft - 40) / 2);
  EXPECT_EQ(l.caption.top, 8);

  p.alignment = CaptionAlignment::Left;
  EXPECT_EQ(LayoutCoolButton(p, 120, 30, Size{16, 16}, Size{40, 13}, 0).caption.left, areaLeft);
  p.alignment = CaptionAlignment::Right;
  EXPECT_EQ(LayoutCoolButton(p, 120, 30, Size{16, 16}, Size{40, 13}, 0).caption.right, areaRight);

  p.iconOffsetX = 3;
  p.iconOffsetY = -2;
  l = LayoutCoolButton(p, 120, 30, Size{16, 16}, Size{40, 13}, 1);
  EXPECT_EQ(l.icon, (Rect{4, 6, 20, 22}));
  EXPECT_EQ(l.caption.right, areaRight + 1);
  EXPECT_EQ(l.caption.top, 9);
}

TEST(CoolButtonLayout, NoIconOrViewImageOffUsesTheWholeWidthAndNarrowButtonsStartLeft) {
  CoolButtonProperties p;
  p.viewImage = false;
  CoolButtonLayout l = LayoutCoolButton(p, 100, 20, Size{16, 16}, Size{20, 10}, 0);
  EXPECT_TRUE(l.icon.Empty());
  EXPECT_EQ(l.caption.left, kCoolCaptionMargin + (100 - 2 * kCoolCaptionMargin - 20) / 2);
  p.viewImage = true;
  EXPECT_TRUE(LayoutCoolButton(p, 100, 20, Size{0, 0}, Size{20, 10}, 0).icon.Empty());
  p.alignment = CaptionAlignment::Right;
  l = LayoutCoolButton(p, 30, 20, Size{16, 16}, Size{80, 10}, 0);
  EXPECT_EQ(l.caption.left, 26 + kCoolIconGap) << "a caption wider than its area starts at the area's left";
  l = LayoutCoolButton(p, 0, 0, Size{}, Size{}, 0);  // a zero-sized button lays out without harm
  EXPECT_TRUE(l.icon.Empty());
}

}  // namespace
}  // namespace kv::controls
