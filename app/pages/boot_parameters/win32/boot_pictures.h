// The three 16 x 16 pictures of the system list: 1 another system (a drive root, DOS, Windows 9x),
// 2 a Windows NT system, 3 the default system. Pure blue is the list's transparent colour.
#pragma once

#include <windows.h>

namespace kv {

// Picture `number` (1..3) as a new bitmap owned by the caller; nullptr for other numbers.
HBITMAP MakeBootPicture(int number);

}  // namespace kv
