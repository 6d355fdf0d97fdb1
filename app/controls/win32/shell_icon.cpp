// Icons of the shell's library by index (see shell_icon.h).
#include "app/controls/win32/shell_icon.h"

#include "app/controls/win32/system_function.h"

namespace kv::controls {

namespace {
using ExtractIcons = UINT(WINAPI*)(LPCSTR file, int index, int width, int height, HICON* icons, UINT* ids,
                                   UINT count, UINT flags);
using ShellExtractIcons = UINT(WINAPI*)(LPCSTR file, int index, HICON* large, HICON* small, UINT count);
}  // namespace

HICON ShellLibraryIcon(int index, IconSize size) {
  if (index < 0) return nullptr;
  HICON icons[2] = {nullptr, nullptr};  // large, small
  // user32's icon extractor (Windows 2000 and later). Both sizes in one call, as the shell asks for
  // them: a lone small size picks another of the icon's images than the shell's small icon.
  static const auto extract = SystemFunction<ExtractIcons>("user32.dll", "PrivateExtractIconsA");
  if (extract) {
    const int large = GetSystemMetrics(SM_CXICON), small = GetSystemMetrics(SM_CXSMICON);
    UINT ids[2] = {};
    // The count of icons made, or 0xFFFFFFFF when the file is not found.
    const UINT made = extract("shell32.dll", index, MAKELONG(large, small), MAKELONG(large, small), icons, ids, 2, 0);
    if (made == 0xFFFFFFFFu || made == 0) return nullptr;
  } else {
    // NT 4: the shell's function.
    static const auto shellExtract = SystemFunction<ShellExtractIcons>("shell32.dll", "ExtractIconExA");
    if (!shellExtract || shellExtract("shell32.dll", index, &icons[0], &icons[1], 1) == 0) return nullptr;
  }
  const int keep = size == IconSize::Large ? 0 : 1;
  if (icons[1 - keep]) DestroyIcon(icons[1 - keep]);
  return icons[keep];
}

}  // namespace kv::controls
