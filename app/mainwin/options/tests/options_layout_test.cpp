// The options dialog's geometry: every control inside the dialog and inside its frame, nothing covering
// another control of the same tab.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/mainwin/options/core/options_layout.h"

namespace kv {
namespace {

TEST(OptionsLayout, ControlsLieInsideTheirFramesAndDoNotOverlap) {
  const OptionsLayout l = LayoutOptionsDialog();
  const OptionsRect client{0, 0, l.ClientWidth, l.ClientHeight};
  const OptionsRect page{l.Tab.Left, l.Tab.Top + 26, l.Tab.Right, l.Tab.Bottom};
  std::vector<std::pair<OptionsRect, OptionsRect>> inFrame;  // control, its frame
  for (int i = 0; i < kOptionCheckCount; ++i)
    inFrame.push_back({l.Checks[i], TabOfCheck(i) == 0 ? l.OptionsFrame : l.ControlsFrame});
  for (int i = 0; i < 2; ++i) {
    inFrame.push_back({l.PasswordLabels[i], l.PasswordFrame});
    inFrame.push_back({l.PasswordBoxes[i], l.PasswordFrame});
  }
  inFrame.push_back({l.PasswordHelp, l.PasswordFrame});
  inFrame.push_back({l.StyleLabel, l.SideBarFrame});
  for (int i = 0; i < kColourButtonCount; ++i) {
    inFrame.push_back({l.ColourLabels[i], l.SideBarFrame});
    inFrame.push_back({l.ColourButtons[i], l.SideBarFrame});
  }
  for (const auto& [control, frame] : inFrame) {
    EXPECT_TRUE(frame.Contains(control)) << control.Left << "," << control.Top;
    EXPECT_TRUE(page.Contains(frame));
  }
  EXPECT_TRUE(client.Contains(l.Tab));
  EXPECT_TRUE(page.Contains(l.PasswordCheck));
  for (const OptionsRect& b : l.Buttons) {
    EXPECT_TRUE(client.Contains(b));
    EXPECT_FALSE(b.Overlaps(l.Tab));
  }

  // Controls of one tab never cover each other.
  std::vector<OptionsRect> tab0 = {l.PasswordCheck, l.PasswordLabels[0], l.PasswordLabels[1], l.PasswordBoxes[0],
                                   l.PasswordBoxes[1], l.PasswordHelp};
  std::vector<OptionsRect> tab1 = {l.StyleLabel, OptionsRect{l.StyleCombo.Left, l.StyleCombo.Top, l.StyleCombo.Right,
                                                             l.StyleCombo.Top + 24}};
  for (int i = 0; i < kOptionCheckCount; ++i) (TabOfCheck(i) == 0 ? tab0 : tab1).push_back(l.Checks[i]);
  for (int i = 0; i < kColourButtonCount; ++i) {
    tab1.push_back(l.ColourLabels[i]);
    tab1.push_back(l.ColourButtons[i]);
  }
  for (const auto* controls : {&tab0, &tab1})
    for (std::size_t a = 0; a < controls->size(); ++a)
      for (std::size_t b = a + 1; b < controls->size(); ++b)
        EXPECT_FALSE((*controls)[a].Overlaps((*controls)[b])) << a << " and " << b;
  EXPECT_FALSE(l.OptionsFrame.Overlaps(l.PasswordFrame));
  EXPECT_FALSE(l.SideBarFrame.Overlaps(l.ControlsFrame));
}

}  // namespace
}  // namespace kv
