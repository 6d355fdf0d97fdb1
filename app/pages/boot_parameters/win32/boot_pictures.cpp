// Drawing of the system list's pictures (see boot_pictures.h): a small monitor on a stand, its screen
// dark for other systems and teal for NT systems; the default system's has a green tick.
#include "app/pages/boot_parameters/win32/boot_pictures.h"
#include "app/controls/win32/drawing_bitmap.h"

namespace kv {

namespace {
constexpr COLORREF kTransparent = RGB(0, 0, 255);

void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  RECT r{left, top, right, bottom};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Tick(HDC dc) {
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 150, 0));
  HGDIOBJ old = SelectObject(dc, pen);
  MoveToEx(dc, 8, 11, nullptr);
  LineTo(dc, 11, 14);
  LineTo(dc, 15, 7);
  SelectObject(dc, old);
  DeleteObject(pen);
}
}  // namespace

HBITMAP MakeBootPicture(int number) {
  if (number < 1 || number > 3) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = controls::CreatePictureBitmap(16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  Fill(dc, 0, 0, 16, 16, kTransparent);
  Fill(dc, 1, 1, 15, 12, RGB(96, 96, 96));  // case
  Fill(dc, 2, 2, 14, 11, RGB(192, 192, 192));
  Fill(dc, 3, 3, 13, 10, number == 1 ? RGB(24, 24, 24) : RGB(0, 128, 128));  // screen
  Fill(dc, 6, 12, 10, 14, RGB(96, 96, 96));  // stand
  Fill(dc, 4, 14, 12, 15, RGB(96, 96, 96));
  if (number == 3) Tick(dc);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

}  // namespace kv
