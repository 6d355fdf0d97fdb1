// Shows horizontal and vertical kvSlide controls with every scale kind, thumb shapes, borders,
// a user-look picture and a disabled one, for screenshots: slider_showcase.exe
#include <windows.h>
#include <olectl.h>

#include <memory>
#include <vector>

#include "kvslide_client.h"

namespace {

HFONT g_font = nullptr;

LRESULT CALLBACK ShowcaseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETFONT: return reinterpret_cast<LRESULT>(g_font);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

// A vertical gradient picture for the user look.
IPictureDisp* GradientPicture(int width, int height, COLORREF top, COLORREF bottom) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  for (int y = 0; y < height; ++y) {
    COLORREF c = RGB(GetRValue(top) + (GetRValue(bottom) - GetRValue(top)) * y / height,
                     GetGValue(top) + (GetGValue(bottom) - GetGValue(top)) * y / height,
                     GetBValue(top) + (GetBValue(bottom) - GetBValue(top)) * y / height);
    RECT line = {0, y, width, y + 1};
    SetBkColor(dc, c);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  PICTDESC desc = {};
  desc.cbSizeofstruct = sizeof(desc);
  desc.picType = PICTYPE_BITMAP;
  desc.bmp.hbitmap = bitmap;
  IPictureDisp* picture = nullptr;
  OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&picture));
  return picture;
}

void Caption(HWND parent, const wchar_t* text, int x, int y, int width) {
  HWND label = CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE, x, y, width, 16, parent, nullptr,
                               nullptr, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CoInitialize(nullptr);
  g_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ShowcaseProc;
  wc.hInstance = instance;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = L"SliderShowcase";
  RegisterClassW(&wc);
  HWND window = CreateWindowExW(WS_EX_CONTROLPARENT, L"SliderShowcase", L"kvSlide showcase",
                                WS_POPUP | WS_VISIBLE | WS_BORDER, 10, 10, 960, 700, nullptr, nullptr, instance,
                                nullptr);
  std::vector<std::unique_ptr<kvslide::SliderClient>> sliders;
  auto add = [&](const wchar_t* caption, RECT box) -> kvslide::SliderClient& {
    Caption(window, caption, box.left, box.top - 18, box.right - box.left + 40);
    sliders.push_back(std::make_unique<kvslide::SliderClient>());
    sliders.back()->Create(window, box, static_cast<int>(100 + sliders.size()));
    return *sliders.back();
  };

  // Horizontal: one of each scale kind, thumb shapes and borders.
  kvslide::SliderClient& mark = add(L"SlideMark, defaults, focused, Value 35", RECT{20, 30, 480, 100});
  mark.SetValue(35);
  kvslide::SliderClient& ruler = add(L"SlideRuler, ThumbPoint1, raised/lowered borders, 0..40 = 25",
                                     RECT{20, 130, 480, 210});
  ruler->put_SliderType(SlideRuler);
  ruler->put_ThumbStyle(ThumbPoint1);
  ruler->put_OuterBorder(BorderRaised);
  ruler->put_InnerBorder(BorderLowered);
  ruler->put_BarColor(RGB(60, 120, 220));
  ruler.SetRange(0, 40);
  ruler.SetValue(25);
  kvslide::SliderClient& user = add(L"SlideUser with PictureBack, ThumbPoint2, x10, 10 divisions", RECT{20, 240, 480, 310});
  user->put_SliderType(SlideUser);
  user->put_ThumbStyle(ThumbPoint2);
  user->put_ShowDivisions(10);
  user->put_ShowIncrement(2);
  user->put_ShowMin(2);
  user->put_ShowMultiply(10);
  user->put_ForeColor(RGB(0, 0, 128));
  user->putref_PictureBack(GradientPicture(64, 64, RGB(255, 250, 220), RGB(230, 200, 140)));
  user.SetValue(60);
  kvslide::SliderClient& disabled = add(L"disabled, -50..50, Value -20", RECT{20, 340, 480, 410});
  disabled.SetRange(-50, 50);
  disabled.SetValue(-20);
  disabled->put_Enabled(VARIANT_FALSE);
  kvslide::SliderClient& slim = add(L"SlideMark, ShowMin hidden, BorderRegular outer, offset 15, bold font",
                                    RECT{20, 440, 480, 520});
  slim->put_OuterBorder(BorderRegular);
  slim->put_ShowMin(1);
  slim->put_SliderOffset(15);
  slim->put_FontBold(VARIANT_TRUE);
  slim->put_InnerColor(RGB(236, 244, 255));
  slim.SetRange(0, 500);
  slim.SetValue(400);

  // Vertical: the top is the maximum.
  kvslide::SliderClient& vMark = add(L"SlideMark", RECT{540, 30, 640, 400});
  vMark->put_SliderStyle(SlideVert);
  vMark.SetValue(70);
  kvslide::SliderClient& vRuler = add(L"SlideRuler", RECT{680, 30, 780, 400});
  vRuler->put_SliderStyle(SlideVert);
  vRuler->put_SliderType(SlideRuler);
  vRuler->put_ThumbStyle(ThumbPoint1);
  vRuler->put_BarColor(RGB(220, 90, 60));
  vRuler.SetRange(0, 20);
  vRuler.SetValue(5);
  kvslide::SliderClient& vUser = add(L"SlideUser", RECT{820, 30, 920, 400});
  vUser->put_SliderStyle(SlideVert);
  vUser->put_SliderType(SlideUser);
  vUser->put_ThumbStyle(ThumbUser);
  vUser->put_ThumbVert(16);
  vUser->putref_PictureThumb(GradientPicture(16, 16, RGB(120, 200, 120), RGB(20, 100, 20)));
  vUser.SetRange(-100, 100);
  vUser.SetValue(-40);
  kvslide::SliderClient& vPoint2 = add(L"ThumbPoint2, lowered", RECT{540, 440, 920, 520});
  vPoint2->put_ThumbStyle(ThumbPoint2);
  vPoint2->put_OuterBorder(BorderLowered);
  vPoint2->put_SliderType(SlideRuler);
  vPoint2.SetValue(50);

  SetFocus(mark.Window());
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  sliders.clear();
  CoUninitialize();
  return 0;
}
