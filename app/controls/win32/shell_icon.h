// Large icons of the shell's library (shell32.dll) by their index.
#pragma once

#include <windows.h>

namespace kv::controls {

// The large icon at `index` of shell32.dll (counted as the shell's ExtractIconEx counts, the same
// picture as its large icon); nullptr when there is none. The caller destroys it. Read with user32's
// icon extractor where the system has one (Windows 2000 and later): the shell's own function would
// start the whole shell library for it (about 10 ms under Wine, at the main window's first paint).
// NT 4 takes the shell's function.
HICON ShellLibraryLargeIcon(int index);

}  // namespace kv::controls
