// Hover poll, press and click handling shared by the two buttons (see hover_button.h).
#include "app/controls/win32/hover_button.h"

#include "app/controls/win32/paint_support.h"
#include "app/controls/win32/pointer_probe.h"

namespace kv::controls {

namespace {
constexpr UINT_PTR kHoverTimer = 1;
}  // namespace

void HoverButton::SetEnabled(bool enabled) {
  if (hwnd_) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);  // WM_ENABLE brings it to OnEnable
  } else {
    enabled_ = enabled;
    EnabledChanged(enabled);
  }
}

void HoverButton::Created() {
  if (!enabled_) EnableWindow(hwnd_, FALSE);
}

void HoverButton::Redraw() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT HoverButton::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      BufferedPaint paint(hwnd_);
      Paint(paint.Dc(), paint.Client());
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: Redraw(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnButtonDown(); return 0;
    case WM_LBUTTONUP: OnButtonUp(); return 0;
    case WM_TIMER:
      if (wParam == kHoverTimer) OnTimer();
      return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(); return 0;
    case WM_ENABLE: OnEnable(wParam != 0); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Redraw(); return 0;
    case WM_GETDLGCODE: {
      // Enter on the focused button clicks it (instead of the dialog's default button).
      const MSG* msg = reinterpret_cast<const MSG*>(lParam);
      const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_KEYUP:
      if (OnKeyUp(wParam)) return 0;
      break;
    case BM_CLICK:
      if (enabled_) Click();
      return 0;
    default: break;
  }
  return ControlBase::Handle(message, wParam, lParam);
}

void HoverButton::StartPolling() {
  if (polling_) return;
  polling_ = SetTimer(hwnd_, kHoverTimer, static_cast<UINT>(Pressable().PollInterval()), nullptr) != 0;
}

void HoverButton::OnMouseMove() {
  if (!enabled_) return;
  if (Pressable().PointerMoved()) {
    StartPolling();
    Redraw();
  }
}

void HoverButton::OnButtonDown() {
  if (!enabled_) return;
  if ((GetWindowLongA(hwnd_, GWL_STYLE) & WS_TABSTOP) && GetFocus() != hwnd_) SetFocus(hwnd_);
  Pressable().PointerMoved();
  Pressable().Press();
  SetCapture(hwnd_);
  StartPolling();
  Redraw();
}

void HoverButton::OnButtonUp() {
  if (!Pressable().Pressed()) return;
  const bool click = Pressable().Release(PointerIsOver(hwnd_));
  if (GetCapture() == hwnd_) ReleaseCapture();
  Redraw();
  UpdateWindow(hwnd_);  // the raised look shows before the click's work starts
  if (click) Click();
}

void HoverButton::OnTimer() {
  if (Pressable().Poll(PointerIsOver(hwnd_))) return;
  KillTimer(hwnd_, kHoverTimer);
  polling_ = false;
  Redraw();
}

void HoverButton::OnCaptureChanged() {
  if (!Pressable().Pressed()) return;
  Pressable().CancelPress();
  Redraw();
}

void HoverButton::OnEnable(bool enabled) {
  enabled_ = enabled;
  if (!enabled) {
    Pressable().CancelPress();
    Pressable().Poll(false);
    if (GetCapture() == hwnd_) ReleaseCapture();
    KillTimer(hwnd_, kHoverTimer);
    polling_ = false;
  }
  EnabledChanged(enabled);
  Redraw();
}

bool HoverButton::OnKeyDown(WPARAM key) {
  if (!enabled_) return false;
  if (key == VK_SPACE) {
    if (!Pressable().Pressed()) Pressable().Press();
    Redraw();
    return true;
  }
  if (key == VK_RETURN) {
    Click();
    return true;
  }
  return false;
}

bool HoverButton::OnKeyUp(WPARAM key) {
  if (key != VK_SPACE || !Pressable().Pressed()) return false;
  const bool click = Pressable().Release(true);
  if (!PointerIsOver(hwnd_)) Pressable().Poll(false);
  Redraw();
  if (click) Click();
  return true;
}

void HoverButton::Click() { Notify(kClickNotification, onClick); }

}  // namespace kv::controls
