// Painting helpers of the small controls: colour resolution, a memory-buffered paint, a bold twin
// of a font, and solid lines and fills.
#pragma once

#include <windows.h>

#include "app/controls/core/control_colour.h"

namespace kv::controls {

// 0x00BBGGRR as it is, or the system colour a 0x800000nn value names.
COLORREF ResolveColour(Colour c);

// Paints into a memory bitmap and copies it to the window when it goes: no flicker.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND hwnd);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;
  HDC Dc() const { return memory_; }
  const RECT& Client() const { return client_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_ = {};
  HDC target_ = nullptr, memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  RECT client_ = {};
};

// A bold font made from a base font, remade only when the base changes.
class BoldTwin {
 public:
  BoldTwin() = default;
  ~BoldTwin();
  BoldTwin(const BoldTwin&) = delete;
  BoldTwin& operator=(const BoldTwin&) = delete;
  HFONT Of(HFONT base);

 private:
  HFONT base_ = nullptr, bold_ = nullptr;
};

void FillColour(HDC dc, const RECT& r, COLORREF colour);
void HorizontalLine(HDC dc, int left, int right, int y, COLORREF colour);
void VerticalLine(HDC dc, int x, int top, int bottom, COLORREF colour);
// A one-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void DrawFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);

}  // namespace kv::controls
