// For the Windows tests: saves a rectangle of the screen as a 24-bit BMP file (the screenshots the
// tests leave as artifacts). Header only; include it as "tests/wine/screen_bitmap.h".
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>

namespace kv::screenshots {

inline bool SaveScreenBitmap(const RECT& area, const std::string& path) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool saved = false;
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, old);
    const DWORD size = static_cast<DWORD>(((w * 3 + 3) & ~3) * h);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + size;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
      saved = std::fwrite(&header, sizeof header, 1, f) == 1 &&
              std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, f) == 1 && std::fwrite(bits, 1, size, f) == size;
      saved = std::fclose(f) == 0 && saved;
    }
  }
  if (bitmap) DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

inline bool SaveScreenBitmap(const std::string& path) {
  return SaveScreenBitmap(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, path);
}

inline bool SaveWindowBitmap(HWND window, const std::string& path) {
  RECT r{};
  return GetWindowRect(window, &r) && SaveScreenBitmap(r, path);
}

}  // namespace kv::screenshots
