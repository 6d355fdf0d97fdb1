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

void Picture::DrawPlain(HDC dc, int x, int y) const {
  if (icon_) {
    DrawIconEx(dc, x, y, icon_, size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!bitmap_) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap_);
  BitBlt(dc, x, y, size_.cx, size_.cy, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void Picture::Draw(HDC dc, int x, int y, bool greyed) const {
  if (Empty()) return;
  if (!greyed) {
    DrawPlain(dc, x, y);
    return;
  }
  // Disabled look: the picture over its background, turned grey and lightened by half.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size_.cx;
  info.bmiHeader.biHeight = -size_.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!section) return;
  HDC work = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(work, section);
  BitBlt(work, 0, 0, size_.cx, size_.cy, dc, x, y, SRCCOPY);
  DrawPlain(work, 0, 0);
  GdiFlush();
  auto* pixel = static_cast<unsigned char*>(bits);
  for (long i = 0, n = static_cast<long>(size_.cx) * size_.cy; i < n; ++i, pixel += 4) {
    const int grey = (pixel[2] * 30 + pixel[1] * 59 + pixel[0] * 11) / 100;
    const unsigned char light = static_cast<unsigned char>(grey + (255 - grey) / 2);
    pixel[0] = pixel[1] = pixel[2] = light;
  }
  BitBlt(dc, x, y, size_.cx, size_.cy, work, 0, 0, SRCCOPY);
  SelectObject(work, old);
  DeleteDC(work);
  DeleteObject(section);
}

}  // namespace kv::controls
