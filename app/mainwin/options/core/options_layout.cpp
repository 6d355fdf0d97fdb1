// Options dialog layout (see options_layout.h).
#include "app/mainwin/options/core/options_layout.h"

namespace kv {

namespace {
OptionsRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

constexpr int kRow = 22;        // check-box line pitch
constexpr int kPageTop = 40;    // first line below the tab strip
constexpr int kFrameLeft = 20, kFrameRight = 420, kInnerLeft = 32, kInnerWidth = 376;
}  // namespace

OptionsLayout LayoutOptionsDialog() {
  OptionsLayout l;
  l.ClientWidth = 440;
  l.ClientHeight = 362;
  l.Tab = Box(8, 8, 424, 308);

  l.OptionsFrame = {kFrameLeft, kPageTop, kFrameRight, kPageTop + 26 + 5 * kRow};
  for (int i = 0; i < kCheckDlgFade; ++i) l.Checks[i] = Box(kInnerLeft, kPageTop + 20 + i * kRow, kInnerWidth, 20);
  l.PasswordFrame = {kFrameLeft, l.OptionsFrame.Bottom + 14, kFrameRight, l.Tab.Bottom - 12};
  l.PasswordCheck = Box(kFrameLeft + 8, l.PasswordFrame.Top - 2, 190, 18);
  for (int i = 0; i < 2; ++i) {
    const int top = l.PasswordFrame.Top + 26 + i * 32;
    l.PasswordLabels[i] = Box(kInnerLeft + 8, top + 3, 120, 18);
    l.PasswordBoxes[i] = Box(kInnerLeft + 136, top, 150, 22);
  }
  l.PasswordHelp = Box(kFrameRight - 36, l.PasswordFrame.Top + 26, 24, 22);

  l.SideBarFrame = {kFrameLeft, kPageTop, kFrameRight, kPageTop + 172};
  l.StyleLabel = Box(kInnerLeft, kPageTop + 26, 190, 18);
  l.StyleCombo = Box(kInnerLeft + 196, kPageTop + 22, 180, 90);  // height includes the open list
  for (int i = 0; i < kColourButtonCount; ++i) {
    const int top = kPageTop + 58 + i * 28;
    l.ColourLabels[i] = Box(kInnerLeft, top + 4, 250, 18);
    l.ColourButtons[i] = Box(kInnerLeft + 316, top, 60, 24);
  }
  l.ControlsFrame = {kFrameLeft, l.SideBarFrame.Bottom + 8, kFrameRight, l.Tab.Bottom - 12};
  for (int i = kCheckDlgFade; i < kOptionCheckCount; ++i)
    l.Checks[i] = Box(kInnerLeft, l.ControlsFrame.Top + 20 + (i - kCheckDlgFade) * kRow, kInnerWidth, 20);

  const int buttonTop = l.Tab.Bottom + 10;
  for (int i = 0; i < 3; ++i) l.Buttons[i] = Box(l.Tab.Right - 3 * 88 + 8 + i * 88, buttonTop, 80, 26);
  return l;
}

}  // namespace kv
