// Painting helpers of the small controls (see paint_support.h).
#include "app/controls/win32/paint_support.h"
#include "app/controls/win32/drawing_bitmap.h"

namespace kv::controls {

COLORREF ResolveColour(Colour c) {
  if (IsSystemColour(c)) return GetSysColor(SystemColourIndex(c));
  return static_cast<COLORREF>(c & 0x00FFFFFF);
}

BufferedPaint::BufferedPaint(HWND hwnd) : hwnd_(hwnd) {
  target_ = BeginPaint(hwnd, &ps_);
  GetClientRect(hwnd, &client_);
  const int w = client_.right > 0 ? client_.right : 1, h = client_.bottom > 0 ? client_.bottom : 1;
  memory_ = CreateCompatibleDC(target_);
  bitmap_ = CreateBufferBitmap(w, h);
  oldBitmap_ = SelectObject(memory_, bitmap_);
}

BufferedPaint::~BufferedPaint() {
  BitBlt(target_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
  SelectObject(memory_, oldBitmap_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
  EndPaint(hwnd_, &ps_);
}

BoldTwin::~BoldTwin() {
  if (bold_) DeleteObject(bold_);
}

HFONT BoldTwin::Of(HFONT base) {
  if (bold_ && base == base_) return bold_;
  if (bold_) DeleteObject(bold_);
  bold_ = nullptr;
  base_ = base;
  LOGFONTA lf = {};
  if (!GetObjectA(base, sizeof(lf), &lf)) return base;
  lf.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectA(&lf);
  return bold_ ? bold_ : base;
}

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void HorizontalLine(HDC dc, int left, int right, int y, COLORREF colour) {
  const RECT r = {left, y, right, y + 1};
  FillColour(dc, r, colour);
}

void VerticalLine(HDC dc, int x, int top, int bottom, COLORREF colour) {
  const RECT r = {x, top, x + 1, bottom};
  FillColour(dc, r, colour);
}

void DrawFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  HorizontalLine(dc, r.left, r.right, r.top, topLeft);
  VerticalLine(dc, r.left, r.top, r.bottom, topLeft);
  HorizontalLine(dc, r.left, r.right, r.bottom - 1, bottomRight);
  VerticalLine(dc, r.right - 1, r.top + 1, r.bottom, bottomRight);
}

}  // namespace kv::controls
