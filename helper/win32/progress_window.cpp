// The profile scan's progress window (see progress_window.h).
#include "helper/win32/progress_window.h"

#include <commctrl.h>

#include "helper/core/helper_texts.h"
#include "helper/core/progress_placement.h"
#include "app/controls/win32/system_function.h"
#include "helper/win32/message_pump.h"

namespace kv::helper {

namespace {

constexpr const char* kClassName = "KorvnstForm2";
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kClientWidth = 330;
constexpr int kClientHeight = 96;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance, kClassName, &wc)) return;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_WAIT);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
}

HWND AddChild(HWND parent, const char* className, const std::string& text, DWORD style, int x, int y, int w, int h) {
  HWND child = CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                               nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                               nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return child;
}

}  // namespace

ProgressWindow::ProgressWindow(HINSTANCE instance, const StringTable& texts, std::uint32_t ownerWindow)
    : instance_(instance), texts_(texts), owner_(ownerWindow) {}

ProgressWindow::~ProgressWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void ProgressWindow::Show(int maximum) {
  using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  if (const auto init = SystemFunction<InitControls>("comctl32.dll", "InitCommonControlsEx")) init(&controls);
  RegisterFormClass(instance_, &ProgressWindow::WindowProc);
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  CreateWindowExA(kExStyle, kClassName, texts_.Text(kTextProgressCaption).c_str(), kStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_,
                  this);
  if (!hwnd_) return;
  SendMessageA(bar_, PBM_SETRANGE32, 0, maximum);
  if (owner_ != 0) PlaceOverOwner();
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  PumpPendingMessages();
}

void ProgressWindow::Step(int position) {
  if (!hwnd_) return;
  SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  PumpPendingMessages();
}

void ProgressWindow::Finish() {
  if (!hwnd_) return;
  SetTimer(hwnd_, kCloseTimer, kCloseDelayMs, nullptr);
  MSG msg;
  while (hwnd_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void ProgressWindow::PlaceOverOwner() {
  HDC screen = GetDC(nullptr);
  PlacementMetrics m;
  m.TwipsPerPixelX = 1440 / GetDeviceCaps(screen, LOGPIXELSX);
  m.TwipsPerPixelY = 1440 / GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT own;
  GetWindowRect(hwnd_, &own);
  m.WindowWidth = (own.right - own.left) * m.TwipsPerPixelX;
  m.WindowHeight = (own.bottom - own.top) * m.TwipsPerPixelY;
  m.ScreenWidth = GetSystemMetrics(SM_CXSCREEN) * m.TwipsPerPixelX;
  m.ScreenHeight = GetSystemMetrics(SM_CYSCREEN) * m.TwipsPerPixelY;

  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  HWND owner = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(owner_));
  PixelRect ownerRect;
  const bool readable = GetWindowPlacement(owner, &placement) != FALSE;
  if (readable) {
    const RECT& r = placement.rcNormalPosition;
    ownerRect = {r.left, r.top, r.right, r.bottom};
  }
  const TwipPoint p = kv::helper::PlaceOverOwner(readable ? &ownerRect : nullptr, m);
  SetWindowPos(hwnd_, nullptr, p.Left / m.TwipsPerPixelX, p.Top / m.TwipsPerPixelY, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProgressWindow::OnCreate(HWND hwnd) {
  hwnd_ = hwnd;
  AddChild(hwnd, "STATIC", texts_.Text(kTextPleaseWait), SS_LEFT, 16, 12, kClientWidth - 32, 16);
  AddChild(hwnd, "STATIC", texts_.Text(kTextScanning), SS_LEFT, 16, 32, kClientWidth - 32, 16);
  bar_ = AddChild(hwnd, PROGRESS_CLASSA, "", 0, 16, 60, kClientWidth - 32, 18);
}

void ProgressWindow::OnTimer() {
  KillTimer(hwnd_, kCloseTimer);
  DestroyWindow(hwnd_);
}

void ProgressWindow::OnDestroy() {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  bar_ = nullptr;
}

LRESULT CALLBACK ProgressWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      self->OnCreate(hwnd);
      return 0;
    case WM_TIMER:
      if (wParam == kCloseTimer) self->OnTimer();
      return 0;
    case WM_DESTROY:
      self->OnDestroy();
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace kv::helper
