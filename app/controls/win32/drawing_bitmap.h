// Off-screen bitmaps that are drawn inside the process. A display-compatible bitmap lives in the
// display server: every line, fill and text drawn into it is a request there (and some are round
// trips). A device-independent section is drawn in memory and reaches the screen with one blit.
// Header-only: the control libraries (kvtree.dll, kvslide.dll) use it as well.
#pragma once

#include <windows.h>

namespace kv::controls {

namespace detail {
inline HBITMAP CreateSection(int width, int height, WORD bitsPerPixel) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -(height > 0 ? height : 1);  // top-down, like the screen
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}
}  // namespace detail

// A paint buffer that is copied to a window with BitBlt: 32 bits, the screen's own layout.
inline HBITMAP CreateBufferBitmap(int width, int height) { return detail::CreateSection(width, height, 32); }

// A picture handed to menus, image strips and buttons: 24 bits, so that nothing takes the unused
// fourth byte of a 32-bit pixel for transparency.
inline HBITMAP CreatePictureBitmap(int width, int height) { return detail::CreateSection(width, height, 24); }

}  // namespace kv::controls
