// Opacity steps of the fade-out when a dialog closes: 255, 255 - step, ... down to 255 mod step.
#pragma once

#include <vector>

namespace kvdlg {

constexpr int kMessageFadeStep = 30;
constexpr int kHelpFadeStep = 10;

// A step outside 1..255 gives the single value 255.
std::vector<int> FadeSequence(int step);

}  // namespace kvdlg
