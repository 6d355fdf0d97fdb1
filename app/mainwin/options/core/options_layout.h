// Pixel layout of the options dialog FormA: the tab control with its two pages, the frames and the
// controls inside them, and the three buttons below. Computed here so the geometry is testable.
#pragma once

#include <array>
#include <vector>

#include "app/mainwin/options/core/options_model.h"

namespace kv {

struct OptionsRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(const OptionsRect& r) const {
    return r.Left >= Left && r.Top >= Top && r.Right <= Right && r.Bottom <= Bottom;
  }
  bool Overlaps(const OptionsRect& r) const {
    return r.Left < Right && Left < r.Right && r.Top < Bottom && Top < r.Bottom;
  }
};

struct OptionsLayout {
  int ClientWidth = 0, ClientHeight = 0;
  OptionsRect Tab;          // SSTab, the strip and both pages
  // Tab 0: frame 835 with Check1 0..4; the password frame headed by Check2 with labels and Text1 0, 1.
  OptionsRect OptionsFrame, PasswordFrame, PasswordCheck;
  std::array<OptionsRect, 2> PasswordLabels, PasswordBoxes;
  OptionsRect PasswordHelp;  // "?": how the password is kept and what it locks
  // Tab 1: frame 837 with label 860, Combo1, labels 861..864 and Color 0..3; frame 838 with Check1 5..7.
  OptionsRect SideBarFrame, StyleLabel, StyleCombo, ControlsFrame;
  std::array<OptionsRect, kColourButtonCount> ColourLabels, ColourButtons;
  std::array<OptionsRect, kOptionCheckCount> Checks;
  // Command 0..2: OK, Cancel, Apply.
  std::array<OptionsRect, 3> Buttons;
};

OptionsLayout LayoutOptionsDialog();

// The tab (0 or 1) a Check1 box lies on.
inline int TabOfCheck(int index) { return index < kCheckDlgFade ? 0 : 1; }

}  // namespace kv
