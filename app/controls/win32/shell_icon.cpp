// Icons of the shell's library by index (see shell_icon.h).
#include "app/controls/win32/shell_icon.h"

#include <shellapi.h>

namespace kv::controls {

namespace {
using ExtractIcons = UINT(WINAPI*)(LPCSTR file, int index, int width, int height, HICON* icons, UINT* ids,
                                   UINT count, UINT flags);

// user32's icon extractor (Windows 2000 and later); nullptr on NT 4.
ExtractIcons User32Extractor() {
  static const ExtractIcons extract = [] {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC found = user32 ? GetProcAddress(user32, "PrivateExtractIconsA") : nullptr;
    ExtractIcons typed = nullptr;
    static_assert(sizeof typed == sizeof found, "function pointers of one size");
    if (found) CopyMemory(&typed, &found, sizeof typed);
    return typed;
  }();
  return extract;
}
}  // namespace

HICON ShellLibraryLargeIcon(int index) {
  if (index < 0) return nullptr;
  HICON icon = nullptr;
  if (ExtractIcons extract = User32Extractor()) {
    const int size = GetSystemMetrics(SM_CXICON);
    UINT id = 0;
    // The count of icons made, or 0xFFFFFFFF when the file is not found.
    if (extract("shell32.dll", index, size, size, &icon, &id, 1, 0) == 1 && icon) return icon;
    return nullptr;
  }
  if (ExtractIconExA("shell32.dll", index, &icon, nullptr, 1) != 1) return nullptr;
  return icon;
}

}  // namespace kv::controls
