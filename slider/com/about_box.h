// The control's About box, in the language the program is installed with.
#pragma once

#include <windows.h>

namespace kvslide {

// Language offset of the product: 0 German, 1000 English (the "Language" value times 1000).
int LanguageOffset();
void ShowAboutBox(HWND owner);

}  // namespace kvslide
