// Icon or bitmap drawing for the small controls (see picture.h).
#include "app/controls/win32/picture.h"

namespace kv::controls {

Picture Picture::FromIcon(HICON icon, int width, int height) {
  Picture p;
  if (!icon || width <= 0 || height <= 0) return p;
  p.icon_ = icon;
  p.size_ = SIZE{width, height};
  return p;
}

Picture Picture::FromBitmap(HBITMAP bitmap) {
  Picture p;
  BITMAP info = {};
  if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return p;
  p.bitmap_ = bitmap;
  p.size_ = SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
  return p;
}

void Picture::Draw(HDC dc, int x, int y, bool greyed) const {
  if (icon_) {
    if (greyed) {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon_), 0, x, y, size_.cx, size_.cy,
                 DST_ICON | DSS_DISABLED);
    } else {
      DrawIconEx(dc, x, y, icon_, size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
    }
    return;
  }
  if (!bitmap_) return;
  if (greyed) {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap_), 0, x, y, size_.cx, size_.cy,
               DST_BITMAP | DSS_DISABLED);
    return;
  }
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_);
  BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace kv::controls
