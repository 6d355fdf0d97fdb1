// Shared fonts and painting helpers (see ui_theme.h).
#include "app/pages/win32/ui_theme.h"

namespace kv::ui {

namespace {
HFONT MakeFont(int height, int weight) {
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
}
}  // namespace

HFONT NormalFont() {
  static HFONT f = MakeFont(-11, FW_NORMAL);
  return f;
}

HFONT BoldFont() {
  static HFONT f = MakeFont(-11, FW_BOLD);
  return f;
}

HFONT HeadlineFont() {
  static HFONT f = MakeFont(-17, FW_BOLD);
  return f;
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH b = CreateSolidBrush(colour);
  FillRect(dc, &r, b);
  DeleteObject(b);
}

void FillGradient(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical) {
  const int span = vertical ? r.bottom - r.top : r.right - r.left;
  if (span <= 0) return;
  const int steps = span < 64 ? span : 64;
  for (int i = 0; i < steps; ++i) {
    RECT s = r;
    if (vertical) {
      s.top = r.top + span * i / steps;
      s.bottom = r.top + span * (i + 1) / steps;
    } else {
      s.left = r.left + span * i / steps;
      s.right = r.left + span * (i + 1) / steps;
    }
    COLORREF c = RGB(GetRValue(from) + (GetRValue(to) - GetRValue(from)) * i / steps,
                     GetGValue(from) + (GetGValue(to) - GetGValue(from)) * i / steps,
                     GetBValue(from) + (GetBValue(to) - GetBValue(from)) * i / steps);
    FillSolid(dc, s, c);
  }
}

int TextWidth(HWND window, HFONT font, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

void PaintPageBackground(HWND hwnd, int buttonRowHeight) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  FillSolid(dc, rc, kPageBack);
  RECT row = {0, rc.bottom - buttonRowHeight, rc.right, rc.bottom};
  FillSolid(dc, row, kPanelBack);
  EndPaint(hwnd, &ps);
}

}  // namespace kv::ui
