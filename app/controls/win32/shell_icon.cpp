// Icons of the shell's library by index (see shell_icon.h).
#include "app/controls/win32/shell_icon.h"

namespace kv::controls {

namespace {
using ExtractIcons = UINT(WINAPI*)(LPCSTR file, int index, int width, int height, HICON* icons, UINT* ids,
                                   UINT count, UINT flags);
using ShellExtractIcons = UINT(WINAPI*)(LPCSTR file, int index, HICON* large, HICON* small, UINT count);

// A function of a system library, looked up at run time: the library is not imported, so it is not
// loaded with the program.
template <typename Function>
Function SystemFunction(HMODULE library, const char* name) {
  FARPROC found = library ? GetProcAddress(library, name) : nullptr;
  Function typed = nullptr;
  static_assert(sizeof typed == sizeof found, "function pointers of one size");
  if (found) CopyMemory(&typed, &found, sizeof typed);
  return typed;
}
}  // namespace

HICON ShellLibraryLargeIcon(int index) {
  if (index < 0) return nullptr;
  HICON icon = nullptr;
  // user32's icon extractor (Windows 2000 and later).
  static const auto extract = SystemFunction<ExtractIcons>(GetModuleHandleA("user32.dll"), "PrivateExtractIconsA");
  if (extract) {
    const int size = GetSystemMetrics(SM_CXICON);
    UINT id = 0;
    // The count of icons made, or 0xFFFFFFFF when the file is not found.
    if (extract("shell32.dll", index, size, size, &icon, &id, 1, 0) == 1 && icon) return icon;
    return nullptr;
  }
  // NT 4: the shell's function.
  static const auto shellExtract = SystemFunction<ShellExtractIcons>(LoadLibraryA("shell32.dll"), "ExtractIconExA");
  if (!shellExtract || shellExtract("shell32.dll", index, &icon, nullptr, 1) != 1) return nullptr;
  return icon;
}

}  // namespace kv::controls
