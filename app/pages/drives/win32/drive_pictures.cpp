// The drive list's picture strip (see drive_pictures.h).
#include "app/pages/drives/win32/drive_pictures.h"

#include "app/controls/win32/drawing_bitmap.h"
#include "app/controls/win32/shell_icon.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {
constexpr int kCell = 16;
// The shell's icons for removable, fixed, network, CD-ROM and RAM drives.
constexpr int kShellIcons[kDrivePictureCount] = {7, 8, 9, 11, 12};

// Without the shell's icon: a small grey drive body with a green light.
void DrawPlainDrive(HDC dc, int x) {
  RECT body = {x + 1, 5, x + 15, 12};
  ui::FillSolid(dc, body, RGB(150, 156, 166));
  RECT light = {x + 11, 9, x + 13, 10};
  ui::FillSolid(dc, light, RGB(60, 200, 80));
}
}  // namespace

HBITMAP DrivePictures() {
  static HBITMAP strip = nullptr;
  if (strip) return strip;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  strip = controls::CreatePictureBitmap(kDrivePictureCount * kCell, kCell);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, strip);
  RECT all = {0, 0, kDrivePictureCount * kCell, kCell};
  ui::FillSolid(dc, all, ui::kPageBack);
  for (int i = 0; i < kDrivePictureCount; ++i) {
    if (HICON icon = controls::ShellLibraryIcon(kShellIcons[i], controls::IconSize::Small)) {
      DrawIconEx(dc, i * kCell, 0, icon, kCell, kCell, 0, nullptr, DI_NORMAL);
      DestroyIcon(icon);
    } else {
      DrawPlainDrive(dc, i * kCell);
    }
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  return strip;
}

}  // namespace kv
