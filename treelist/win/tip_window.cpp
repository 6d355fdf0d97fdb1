// Tool tip popup of the tree-list.
#include "treelist/win/tip_window.h"

namespace kv::tree {

namespace {
const wchar_t kTipClass[] = L"kvTreeViewTip";

HINSTANCE ThisModule() {
  MEMORY_BASIC_INFORMATION info = {};
  VirtualQuery(reinterpret_cast<const void*>(&ThisModule), &info, sizeof info);
  return static_cast<HINSTANCE>(info.AllocationBase);
}
}  // namespace

TipWindow::~TipWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void TipWindow::Show(HWND owner, POINT screen, const std::wstring& text, COLORREF back, COLORREF fore, HFONT font) {
  text_ = text;
  back_ = back;
  fore_ = fore;
  font_ = font;
  if (!hwnd_) {
    HINSTANCE module = ThisModule();
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(module, kTipClass, &existing)) {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &TipWindow::WindowProc;
      wc.hInstance = module;
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.lpszClassName = kTipClass;
      RegisterClassExW(&wc);
    }
    hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kTipClass, L"", WS_POPUP | WS_BORDER, 0, 0, 0, 0, owner,
                            nullptr, module, this);
    if (!hwnd_) return;
  }
  SetWindowTextW(hwnd_, text_.c_str());
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font_);
  SIZE size = {0, 0};
  GetTextExtentPoint32W(dc, text_.c_str(), static_cast<int>(text_.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  SetWindowPos(hwnd_, HWND_TOPMOST, screen.x, screen.y, size.cx + 8, size.cy + 4, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TipWindow::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

LRESULT CALLBACK TipWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<TipWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (self) self->OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_NCDESTROY:
      if (self) self->hwnd_ = nullptr;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void TipWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  SetBkColor(dc, back_);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  HGDIOBJ old = SelectObject(dc, font_);
  SetTextColor(dc, fore_);
  SetBkMode(dc, TRANSPARENT);
  r.left += 3;
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
}

}  // namespace kv::tree
