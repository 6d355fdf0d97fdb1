// Shared look and mechanics of the two text dialogs (see dialog_frame.h).
#include "dialogs/win/dialog_frame.h"

#include <vector>

#include "dialogs/core/placement.h"
#include "dialogs/win/library_texts.h"

namespace kvdlg {

namespace {

HFONT MakeFont(int height, int weight) {
  return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

RECT ClientRect(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

}  // namespace

FrameStyle::FrameStyle()
    : title_(MakeFont(15, FW_BOLD)),
      text_(MakeFont(13, FW_NORMAL)),
      bold_(MakeFont(13, FW_BOLD)),
      band_(CreateSolidBrush(Palette::Accent())),
      body_(CreateSolidBrush(Palette::Body())),
      footer_(CreateSolidBrush(Palette::Footer())) {}

FrameStyle::~FrameStyle() {
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(title_), static_cast<HGDIOBJ>(text_), static_cast<HGDIOBJ>(bold_),
                         static_cast<HGDIOBJ>(band_), static_cast<HGDIOBJ>(body_), static_cast<HGDIOBJ>(footer_)}) {
    DeleteObject(object);
  }
}

HBRUSH FrameStyle::ColorControl(HWND dialog, HDC dc, HWND control, int footerHeight) const {
  SetBkMode(dc, TRANSPARENT);
  if (GetDlgCtrlID(control) == kIdHeadline) {
    SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    SetBkColor(dc, Palette::Accent());
    return band_;
  }
  SetTextColor(dc, Palette::Text());
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  RECT client = ClientRect(dialog);
  if (footerHeight > 0 && r.top >= client.bottom - footerHeight) {
    SetBkColor(dc, Palette::Footer());
    return footer_;
  }
  SetBkColor(dc, Palette::Body());
  return body_;
}

void FrameStyle::PaintBackground(HWND dialog, HDC dc, int footerHeight) const {
  RECT client = ClientRect(dialog);
  RECT band = client;
  band.bottom = kBandHeight;
  FillSolid(dc, band, Palette::Accent());
  RECT body = client;
  body.top = kBandHeight;
  body.bottom = client.bottom - footerHeight;
  FillSolid(dc, body, Palette::Body());
  if (footerHeight > 0) {
    RECT line = client;
    line.top = body.bottom;
    line.bottom = line.top + 1;
    FillSolid(dc, line, Palette::Line());
    RECT footer = client;
    footer.top = line.bottom;
    FillSolid(dc, footer, Palette::Footer());
  }
}

bool FrameStyle::HandleFrameMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                    INT_PTR* result) const {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      *result = reinterpret_cast<INT_PTR>(
          ColorControl(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), kFooterHeight));
      return true;
    case WM_ERASEBKGND:
      PaintBackground(dialog, reinterpret_cast<HDC>(wParam), kFooterHeight);
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
      *result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      if (static_cast<short>(HIWORD(lParam)) < kBandHeight) DragWindow(dialog);
      *result = TRUE;
      return true;
    default: return false;
  }
}

HWND AddControl(HWND dialog, const char* cls, const std::string& text, DWORD style, int id, int x, int y, int w,
                int h, HFONT font) {
  HWND control = CreateWindowExA(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), LibraryModule(), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void AddHeadline(HWND dialog, const std::string& text, int width, const FrameStyle& style) {
  // No SS_NOTIFY: mouse presses fall through to the dialog, which starts the drag.
  AddControl(dialog, "STATIC", text, SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE | SS_ENDELLIPSIS, kIdHeadline,
             kPadding, 0, width - 2 * kPadding - kCloseSize, kBandHeight, style.TitleFont());
}

void AddCloseImage(HWND dialog, int width) {
  AddControl(dialog, "BUTTON", "", BS_OWNERDRAW, kIdCloseImage, width - kCloseSize - 6, (kBandHeight - kCloseSize) / 2,
             kCloseSize, kCloseSize, nullptr);
}

void DrawCloseImage(const DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  FillSolid(item.hDC, r, pressed ? Palette::AccentLight() : Palette::Accent());
  // A thin white cross in the middle of the square.
  int cx = (r.left + r.right) / 2;
  int cy = (r.top + r.bottom) / 2;
  int arm = (r.right - r.left) / 5;
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(0xFF, 0xFF, 0xFF));
  HGDIOBJ old = SelectObject(item.hDC, pen);
  MoveToEx(item.hDC, cx - arm, cy - arm, nullptr);
  LineTo(item.hDC, cx + arm + 1, cy + arm + 1);
  MoveToEx(item.hDC, cx + arm, cy - arm, nullptr);
  LineTo(item.hDC, cx - arm - 1, cy + arm + 1);
  SelectObject(item.hDC, old);
  DeleteObject(pen);
}

void DrawFlatButton(const DRAWITEMSTRUCT& item, bool primary, HFONT font) {
  RECT r = item.rcItem;
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  bool focused = (item.itemState & ODS_FOCUS) != 0;
  COLORREF fill = primary ? (pressed ? Palette::AccentLight() : Palette::Accent())
                          : (pressed ? Palette::Line() : Palette::Body());
  COLORREF border = primary ? Palette::Accent() : RGB(0xA9, 0xB4, 0xC2);
  FillSolid(item.hDC, r, border);
  RECT inner = r;
  InflateRect(&inner, -1, -1);
  FillSolid(item.hDC, inner, fill);
  char text[128] = {};
  GetWindowTextA(item.hwndItem, text, sizeof(text));
  HGDIOBJ oldFont = SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, primary ? RGB(0xFF, 0xFF, 0xFF) : Palette::Text());
  DrawTextA(item.hDC, text, -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, oldFont);
  if (focused) {
    InflateRect(&inner, -3, -3);
    DrawFocusRect(item.hDC, &inner);
  }
}

void SizeAndPlace(HWND dialog, HWND owner, int width, int height) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  Rect screen{work.left, work.top, work.right, work.bottom};
  if (screen.Width() <= 0 || screen.Height() <= 0) {
    screen = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  Point at = CenterOnScreen(width, height, screen);
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (owner != nullptr && GetWindowPlacement(owner, &placement)) {
    const RECT& n = placement.rcNormalPosition;
    at = CenterOnRect(Rect{n.left, n.top, n.right, n.bottom}, width, height, screen);
  }
  SetWindowPos(dialog, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DragWindow(HWND dialog) {
  ReleaseCapture();
  SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

SIZE MeasureText(HWND window, HFONT font, const std::string& text, int width) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, width, 0};
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

INT_PTR RunModalDialog(HWND owner, DLGPROC procedure, LPARAM param, const char* caption) {
  // An empty template: popup with a thin border; the children are made in WM_INITDIALOG.
  std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
  auto* head = reinterpret_cast<DLGTEMPLATE*>(words.data());
  head->style = WS_POPUP | WS_BORDER | WS_SYSMENU | DS_NOIDLEMSG;
  head->dwExtendedStyle = WS_EX_CONTROLPARENT;
  words.push_back(0);  // no menu
  words.push_back(0);  // standard dialog class
  for (const char* c = caption; *c != '\0'; ++c) words.push_back(static_cast<WORD>(static_cast<unsigned char>(*c)));
  words.push_back(0);
  while (words.size() % 2 != 0) words.push_back(0);
  return DialogBoxIndirectParamA(LibraryModule(), reinterpret_cast<DLGTEMPLATE*>(words.data()), owner, procedure,
                                 param);
}

HWND OwnerFromValue(std::intptr_t value) {
  HWND owner = reinterpret_cast<HWND>(value);
  return value != 0 && IsWindow(owner) ? owner : nullptr;
}

}  // namespace kvdlg
