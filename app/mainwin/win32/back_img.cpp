// The main window's background picture (see back_img.h).
#include "app/mainwin/win32/back_img.h"

#include "app/controls/win32/drawing_bitmap.h"

namespace kv {

namespace {
constexpr int kTile = 48;
constexpr COLORREF kBase = RGB(250, 252, 255);
constexpr COLORREF kStripe = RGB(233, 239, 249);
constexpr COLORREF kDot = RGB(214, 226, 243);
}  // namespace

BackImg::BackImg() {
  bitmap_ = controls::CreatePictureBitmap(kTile, kTile);
  if (!bitmap_) return;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap_);
  RECT all = {0, 0, kTile, kTile};
  HBRUSH base = CreateSolidBrush(kBase);
  FillRect(dc, &all, base);
  DeleteObject(base);
  // Fine diagonal stripes, and a small diamond where they cross the tile's corner: seamless when tiled.
  // One-pixel rectangles: FillRect is on every system's import floor.
  HBRUSH stripe = CreateSolidBrush(kStripe), dot = CreateSolidBrush(kDot);
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const RECT pixel = {x, y, x + 1, y + 1};
      if ((x + y) % 12 == 0) FillRect(dc, &pixel, stripe);
      const int dx = x < kTile / 2 ? x : kTile - x, dy = y < kTile / 2 ? y : kTile - y;
      if (dx + dy <= 2) FillRect(dc, &pixel, dot);
    }
  DeleteObject(stripe);
  DeleteObject(dot);
  SelectObject(dc, old);
  DeleteDC(dc);
}

BackImg::~BackImg() {
  if (bitmap_) DeleteObject(bitmap_);
}

}  // namespace kv
