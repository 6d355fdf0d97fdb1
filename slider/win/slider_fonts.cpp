// Slider fonts: built from the container's LOGFONT with the control's font parts applied.
#include "slider/win/slider_fonts.h"

#include <cmath>
#include <cstdio>

namespace kvslide {

SliderFonts::~SliderFonts() { Release(); }

void SliderFonts::Release() {
  if (normal_) DeleteObject(normal_);
  if (bold_) DeleteObject(bold_);
  normal_ = bold_ = nullptr;
}

void SliderFonts::Update(const SliderProperties& p, HFONT containerFont) {
  char key[LF_FACESIZE + 96];
  std::snprintf(key, sizeof(key), "%p|%d|%d%d%d%d|", static_cast<void*>(containerFont),
                static_cast<int>(p.fontSize * 10), p.fontBold, p.fontItalic, p.fontStrikethru, p.fontUnderline);
  std::string full = std::string(key) + p.fontName;
  if (normal_ && full == key_) return;
  key_ = full;
  Release();

  LOGFONTA lf = {};
  HFONT base = containerFont ? containerFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (!GetObjectA(base, sizeof(lf), &lf)) {
    lf.lfHeight = -11;
    lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  }
  if (!p.fontName.empty()) lstrcpynA(lf.lfFaceName, p.fontName.c_str(), LF_FACESIZE);
  if (p.fontSize > 0) {
    HDC screen = GetDC(nullptr);
    lf.lfHeight = -static_cast<LONG>(std::lround(p.fontSize * GetDeviceCaps(screen, LOGPIXELSY) / 72.0f));
    ReleaseDC(nullptr, screen);
  }
  if (p.fontBold) lf.lfWeight = FW_BOLD;
  lf.lfItalic = p.fontItalic;
  lf.lfStrikeOut = p.fontStrikethru;
  lf.lfUnderline = p.fontUnderline;
  normal_ = CreateFontIndirectA(&lf);
  lf.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectA(&lf);

  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, normal_);
  TEXTMETRICA tm = {};
  height_ = GetTextMetricsA(screen, &tm) ? tm.tmHeight : 13;
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
}

int SliderFonts::TextWidth(const std::string& text, bool bold) const {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, bold ? bold_ : normal_);
  SIZE size = {};
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

int SliderFonts::TextHeight() const { return height_; }

}  // namespace kvslide
