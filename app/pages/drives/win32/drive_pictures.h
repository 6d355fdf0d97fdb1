// The drive list's pictures: one strip of 16 x 16 cells, picture n = drive type + 1 (removable,
// fixed, network, CD-ROM, RAM disk), from the shell's icons where it has them.
#pragma once

#include <windows.h>

namespace kv {

inline constexpr int kDrivePictureCount = 5;
// Made on first use and kept for the program's run.
HBITMAP DrivePictures();

}  // namespace kv
