// Icons of the shell's library (shell32.dll) by their index, large or small.
#pragma once

#include <windows.h>

namespace kv::controls {

// The large or small icon at `index` of shell32.dll: the same picture the shell's ExtractIconEx gives
// for that index and size; nullptr when there is none. The caller destroys it. Read with user32's icon
// extractor where the system has one (Windows 2000 and later): the shell's own function would start
// the whole shell library for it (about 10 ms under Wine, at the main window's first paint). NT 4
// takes the shell's function.
enum class IconSize { Large, Small };
HICON ShellLibraryIcon(int index, IconSize size);

}  // namespace kv::controls
