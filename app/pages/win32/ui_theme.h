// Fonts and colours shared by the main window and the tool pages (one flat look for the program).
#pragma once

#include <windows.h>

#include <string>

namespace kv::ui {

HFONT NormalFont();   // Tahoma 8 pt
HFONT BoldFont();     // Tahoma 8 pt bold
HFONT HeadlineFont(); // Tahoma 13 pt bold

constexpr COLORREF kPageBack = RGB(255, 255, 255);
constexpr COLORREF kPanelBack = RGB(243, 245, 248);
constexpr COLORREF kAccent = RGB(46, 95, 158);
constexpr COLORREF kAccentDark = RGB(24, 52, 96);
constexpr COLORREF kAccentLight = RGB(214, 226, 243);
constexpr COLORREF kText = RGB(28, 32, 40);
constexpr COLORREF kMutedText = RGB(110, 118, 130);

// Vertical or horizontal two-colour gradient.
void FillGradient(HDC dc, const RECT& r, COLORREF from, COLORREF to, bool vertical);
void FillSolid(HDC dc, const RECT& r, COLORREF colour);
// A hosted page's background: white, with the light button row of this height along the bottom.
void PaintPageBackground(HWND hwnd, int buttonRowHeight);
int TextWidth(HWND window, HFONT font, const std::string& text);

}  // namespace kv::ui
