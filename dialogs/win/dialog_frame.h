// What the message dialog and the help box share: the flat look (headline band, white body,
// grey footer), fonts, owner-drawn flat buttons and close image, placement over the owner,
// dragging by the headline, and running an empty modal dialog captioned "KORVNMSGWINOW".
#pragma once

#include <windows.h>

#include <string>

namespace kvdlg {

constexpr char kDialogCaption[] = "KORVNMSGWINOW";

// Control ids shared by both dialogs.
constexpr int kIdHeadline = 10;
constexpr int kIdMessage = 11;
constexpr int kIdCloseImage = 12;
constexpr int kIdFirstButton = 100;   // Command(0)
constexpr int kIdSecondButton = 101;  // Command(1)

// Layout in pixels.
constexpr int kBandHeight = 38;
constexpr int kPadding = 18;
constexpr int kFooterHeight = 54;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
constexpr int kCloseSize = 26;

struct Palette {
  static COLORREF Accent() { return RGB(0x1F, 0x4E, 0x79); }
  static COLORREF AccentLight() { return RGB(0x2E, 0x6D, 0xA4); }
  static COLORREF Body() { return RGB(0xFF, 0xFF, 0xFF); }
  static COLORREF Footer() { return RGB(0xF2, 0xF4, 0xF7); }
  static COLORREF Line() { return RGB(0xD5, 0xDB, 0xE3); }
  static COLORREF Text() { return RGB(0x1E, 0x24, 0x2C); }
};

// Fonts and brushes of one dialog; released with it.
class FrameStyle {
 public:
  FrameStyle();
  ~FrameStyle();
  FrameStyle(const FrameStyle&) = delete;
  FrameStyle& operator=(const FrameStyle&) = delete;

  HFONT TitleFont() const { return title_; }
  HFONT TextFont() const { return text_; }
  HFONT BoldFont() const { return bold_; }
  HBRUSH BandBrush() const { return band_; }
  HBRUSH BodyBrush() const { return body_; }
  HBRUSH FooterBrush() const { return footer_; }

  // Colours for WM_CTLCOLORSTATIC / WM_CTLCOLOREDIT / WM_CTLCOLORBTN: band texts white on the accent,
  // everything else dark on white, except controls inside the footer.
  HBRUSH ColorControl(HWND dialog, HDC dc, HWND control, int footerHeight) const;

  // Band on top, white body, footer with its separator line (footerHeight 0 = no footer).
  void PaintBackground(HWND dialog, HDC dc, int footerHeight) const;

  // The messages every dialog of the library answers alike: control colours, the background,
  // and dragging by the headline band. Returns true (and the dialog result) when it handled one.
  bool HandleFrameMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) const;

 private:
  HFONT title_, text_, bold_;
  HBRUSH band_, body_, footer_;
};

// Creates a child control with the dialog's text font.
HWND AddControl(HWND dialog, const char* cls, const std::string& text, DWORD style, int id, int x, int y, int w,
                int h, HFONT font);
void AddHeadline(HWND dialog, const std::string& text, int width, const FrameStyle& style);
void AddCloseImage(HWND dialog, int width);

// Owner-drawn items: the close image and the flat push buttons (primary = accent filled).
void DrawCloseImage(const DRAWITEMSTRUCT& item);
void DrawFlatButton(const DRAWITEMSTRUCT& item, bool primary, HFONT font);

// Sizes the dialog and places it centred on the owner's normal rectangle, kept on screen,
// or centred on the screen for no owner or an unreadable placement.
void SizeAndPlace(HWND dialog, HWND owner, int width, int height);

// Starts moving the window with the mouse (pressed on the headline).
void DragWindow(HWND dialog);

// Measures text wrapped to a width with a font.
SIZE MeasureText(HWND window, HFONT font, const std::string& text, int width);

// Runs an empty popup dialog modally over the owner; procedure gets param in WM_INITDIALOG.
INT_PTR RunModalDialog(HWND owner, DLGPROC procedure, LPARAM param, const char* caption = kDialogCaption);

// A window-owner handle from the 32-bit value the callers pass; 0 or not a window = none.
HWND OwnerFromValue(std::intptr_t value);

}  // namespace kvdlg
