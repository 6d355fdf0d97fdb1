// Shows the four small controls side by side in their normal, hover, pressed and disabled looks,
// for screenshots. Hover is held through the pointer-probe seam; the pressed flat button uses
// ChangeStatus, the pressed picture button a real press. Ends by itself after the given seconds.
//   controls_gallery.exe [seconds]
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "app/controls/win32/cool_button.h"
#include "app/controls/win32/picture_button.h"
#include "app/controls/win32/pointer_probe.h"
#include "app/controls/win32/progress_bar.h"
#include "app/controls/win32/up_down_field.h"

using namespace kv::controls;

namespace {

std::set<HWND> g_hovered;
bool HeldOver(HWND control) { return g_hovered.count(control) != 0; }

constexpr Colour kPanel = 0xF8F5F3, kAccentLight = 0xF3E2D6, kAccentDark = 0x603418;

HFONT UiFont() {
  static HFONT f = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");
  return f;
}

LRESULT CALLBACK GalleryProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(UiFont());
  if (message == WM_TIMER) PostQuitMessage(0);
  if (message == WM_CTLCOLORSTATIC) {
    SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HBITMAP GlyphBitmap(COLORREF back, COLORREF ink) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 20, 20);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(back);
  RECT r = {0, 0, 20, 20};
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  HPEN pen = CreatePen(PS_SOLID, 2, ink);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Ellipse(dc, 2, 2, 18, 18);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  HGDIOBJ oldFont = SelectObject(dc, UiFont());
  DrawTextA(dc, "?", 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

void Label(HWND parent, const char* text, int x, int y, int w) {
  HWND l = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, x, y, w, 16, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  SendMessageA(l, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 30;
  SetPointerProbe(&HeldOver);
  WNDCLASSA wc = {};
  wc.lpfnWndProc = GalleryProc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = "ControlsGallery";
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, "ControlsGallery", "Korvane controls", WS_POPUP | WS_VISIBLE, 0, 0, 620, 400, nullptr,
                              nullptr, instance, nullptr);
  SetTimer(main, 1, static_cast<UINT>(seconds > 0 ? seconds : 1) * 1000u, nullptr);

  const char* columns[] = {"normal", "hover", "pressed", "disabled"};
  for (int c = 0; c < 4; ++c) Label(main, columns[c], 130 + c * 120, 12, 110);
  const char* rows[] = {"CoolBttn (stored)", "CoolBttn (themed)", "PicBttn", "UpDown", "Progress"};
  for (int r = 0; r < 5; ++r) Label(main, rows[r], 10, 42 + r * 44, 115);

  HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION));
  std::vector<std::unique_ptr<CoolButton>> cool;
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < 4; ++c) {
      auto b =
          std::make_unique<CoolButton>(row == 0 ? CoolButtonProperties::Stored() : CoolButtonProperties::NewInstance());
      if (row == 1) {
        b->SetCaption("&Speichern");
        b->SetColours(kPanel, kAccentLight, 0x281C1C, kAccentDark);
        b->SetFrameColours(0xFFFFFF, 0xB0A090);
        b->SetBoldOverBttn(true);
        b->SetIcon(Picture::FromIcon(icon, 16, 16));
        b->SetIconOffset(8, 0);
      }
      b->Create(main, RECT{130 + c * 120, 36 + row * 44, 240 + c * 120, 64 + row * 44}, 100 + row * 10 + c);
      cool.push_back(std::move(b));
    }
  }
  HBITMAP normal = GlyphBitmap(RGB(255, 255, 255), RGB(110, 118, 130));
  HBITMAP over = GlyphBitmap(RGB(214, 226, 243), RGB(46, 95, 158));
  HBITMAP down = GlyphBitmap(RGB(46, 95, 158), RGB(255, 255, 255));
  std::vector<std::unique_ptr<PictureButton>> pictures;
  for (int c = 0; c < 4; ++c) {
    auto p = std::make_unique<PictureButton>();
    p->SetPictures(Picture::FromBitmap(normal), Picture::FromBitmap(over), Picture::FromBitmap(down));
    p->SetBackColor(0xFFFFFF);
    p->Create(main, RECT{130 + c * 120, 126, 154 + c * 120, 150}, 200 + c);
    pictures.push_back(std::move(p));
  }
  std::vector<std::unique_ptr<UpDownField>> fields;
  for (int c = 0; c < 4; ++c) {
    auto f = std::make_unique<UpDownField>(UpDownProperties{0, 1024, 16, 256, c != 3});
    f->Create(main, RECT{130 + c * 120, 168, 220 + c * 120, 189}, 300 + c);
    fields.push_back(std::move(f));
  }
  ProgressBar plain, smooth, vertical, empty;
  plain.SetPosition(40);
  plain.Create(main, RECT{130, 218, 240, 234}, 400);
  smooth.SetSmooth(true);
  smooth.SetPosition(65);
  smooth.Create(main, RECT{250, 218, 360, 234}, 401);
  vertical.SetOrientation(ProgressOrientation::Vertical);
  vertical.SetPosition(70);
  vertical.Create(main, RECT{370, 212, 388, 300}, 402);
  empty.SetBorderStyle(0);
  empty.SetForeColor(0x9E5F2E);
  empty.SetBackColor(0xF8F5F3);
  empty.SetPosition(85);
  empty.Create(main, RECT{490, 218, 600, 234}, 403);
  Label(main, "horizontal 40", 130, 240, 110);
  Label(main, "smooth 65", 250, 240, 110);
  Label(main, "vertical 70", 395, 240, 90);
  Label(main, "no border 85", 490, 240, 110);

  // Hover column: held over; pressed column: held over and pressed.
  for (int row = 0; row < 2; ++row) {
    for (int c : {1, 2}) {
      HWND w = cool[static_cast<size_t>(row * 4 + c)]->Window();
      g_hovered.insert(w);
      SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    }
    cool[static_cast<size_t>(row * 4 + 2)]->ChangeStatus(true);
    cool[static_cast<size_t>(row * 4 + 3)]->SetEnabled(false);
  }
  g_hovered.insert(pictures[1]->Window());
  SendMessageA(pictures[1]->Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  g_hovered.insert(pictures[2]->Window());
  SendMessageA(pictures[2]->Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(pictures[2]->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  pictures[3]->SetEnabled(false);
  SetFocus(fields[1]->EditWindow());
  SetWindowTextA(fields[2]->EditWindow(), "500");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyWindow(main);
  DeleteObject(normal);
  DeleteObject(over);
  DeleteObject(down);
  return 0;
}
