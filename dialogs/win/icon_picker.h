// The library's own icon picker, used where the shell's picker cannot open (the platform lacks it):
// the icons of one file in a grid; OK returns the selected index.
#pragma once

#include <windows.h>

#include <string>

namespace kvdlg {

constexpr int kIdIconList = 30;
constexpr int kIdIconFile = 31;

// Shows the icons of file (environment variables expanded) with index selected.
// Returns 1 and stores the chosen index when OK was pressed on an icon, else 0.
int PickIconFromFile(HWND owner, const std::string& file, int* index);

}  // namespace kvdlg
