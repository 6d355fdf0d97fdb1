// Headline window (see headline_window.h).
#include "app/mainwin/win32/headline_window.h"

#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

namespace {
const char kClassName[] = "KvHeadline";
}

HeadlineWindow* HeadlineWindow::Create(HWND parent) {
  RegisterWindowClassOnce(kClassName, &OwnedObjectProc<HeadlineWindow>, CS_HREDRAW | CS_VREDRAW);
  auto* self = new HeadlineWindow();
  CreateWindowExA(0, kClassName, "Haedline", WS_CHILD, 0, 0, 10, 10, parent, nullptr, GetModuleHandleA(nullptr), self);
  return self;
}

// The window text always names the label shown, so the headline can be read from outside.
void HeadlineWindow::SetHaedLabel(const std::string& text) {
  haedLabel_ = text;
  if (!info_) SetWindowTextA(hwnd_, haedLabel_.c_str());
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void HeadlineWindow::SetInfoLabel(const std::string& text) {
  infoLabel_ = text;
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void HeadlineWindow::ShowInfo(bool info) {
  info_ = info;
  SetWindowTextA(hwnd_, info_ ? infoLabel_.c_str() : haedLabel_.c_str());
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
}

void HeadlineWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  ui::FillGradient(dc, rc, ui::kAccentDark, RGB(120, 160, 210), false);
  RECT edge = {rc.left, rc.bottom - 2, rc.right, rc.bottom};
  ui::FillSolid(dc, edge, RGB(250, 190, 60));
  SetBkMode(dc, TRANSPARENT);
  RECT text = {rc.left + 14, rc.top, rc.right - 8, rc.bottom - 2};
  if (info_) {
    SelectObject(dc, ui::BoldFont());
    SetTextColor(dc, RGB(255, 230, 140));
    DrawTextA(dc, infoLabel_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  } else {
    SelectObject(dc, ui::HeadlineFont());
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextA(dc, haedLabel_.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT HeadlineWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

}  // namespace kv
