// Slider window: message switch, mouse capture while dragging, keys, double-buffered painting.
#include "slider/win/slider_window.h"

#include <windowsx.h>

#include "app/controls/win32/code_module.h"
#include "app/controls/win32/drawing_bitmap.h"
#include "slider/win/slider_painter.h"

namespace kvslide {
namespace {

// Stock event masks: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
short ButtonMask(WPARAM keys) {
  return static_cast<short>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                            ((keys & MK_MBUTTON) ? 4 : 0));
}

short ShiftMask(WPARAM keys) {
  return static_cast<short>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0) |
                            ((GetKeyState(VK_MENU) < 0) ? 4 : 0));
}

short ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
    default: return 4;
  }
}

bool SliderKeyOf(WPARAM key, SliderKey* out) {
  switch (key) {
    case VK_LEFT: *out = SliderKey::Left; return true;
    case VK_UP: *out = SliderKey::Up; return true;
    case VK_RIGHT: *out = SliderKey::Right; return true;
    case VK_DOWN: *out = SliderKey::Down; return true;
    case VK_PRIOR: *out = SliderKey::PageUp; return true;
    case VK_NEXT: *out = SliderKey::PageDown; return true;
    case VK_HOME: *out = SliderKey::Home; return true;
    case VK_END: *out = SliderKey::End; return true;
    default: return false;
  }
}

}  // namespace

bool SliderWindow::RegisterClass(HINSTANCE module) {
  WNDCLASSEXW wc = {};
  if (GetClassInfoExW(module, ClassName(), &wc)) return true;
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = ClassName();
  return RegisterClassExW(&wc) != 0;
}

void SliderWindow::UnregisterClass(HINSTANCE module) { ::UnregisterClassW(ClassName(), module); }

HWND SliderWindow::Create(SliderHost* host, HWND parent, const RECT& box, int controlId) {
  HINSTANCE module = kv::CodeModule(reinterpret_cast<const void*>(&SliderWindow::Procedure));
  if (!RegisterClass(module)) return nullptr;
  return CreateWindowExW(0, ClassName(), L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, box.left,
                         box.top, box.right - box.left, box.bottom - box.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), module, host);
}

SliderWindow::SliderWindow(HWND hwnd, SliderHost* host) : hwnd_(hwnd), host_(host) {}

// The one place where the object is attached to (WM_NCCREATE) and detached from (WM_NCDESTROY)
// its window.
LRESULT CALLBACK SliderWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = new SliderWindow(hwnd, static_cast<SliderHost*>(create->lpCreateParams));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->host_->Model().SetTextMeasure(&self->fonts_);
  }
  auto* self = reinterpret_cast<SliderWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->host_->Model().SetTextMeasure(nullptr);
    self->host_->WindowGone();
    delete self;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  // The host may be released by an event handler; keep it (and so this window) alive meanwhile.
  self->host_->Hold();
  SliderHost* host = self->host_;
  LRESULT result = self->Handle(message, wParam, lParam);
  host->Unhold();
  return result;
}

LRESULT SliderWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PRINTCLIENT: PaintInto(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SETFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      host_->FocusGained();
      return 0;
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETFONT: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButtonDown(message, wParam, x, y); return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: OnButtonUp(message, wParam, x, y); return 0;
    case WM_MOUSEMOVE: OnMouseMove(wParam, x, y); return 0;
    case WM_CAPTURECHANGED: OnCaptureLost(); return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_KEYUP: OnKeyUp(); return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void SliderWindow::RefreshFonts() {
  HWND parent = GetParent(hwnd_);
  HFONT container = host_->ContainerFont();
  if (!container && parent) container = reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0));
  fonts_.Update(host_->Model().Properties(), container);
}

void SliderWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  PaintInto(dc);
  EndPaint(hwnd_, &ps);
}

// Also answers WM_PRINTCLIENT, through which a container draws the control into its own DC.
void SliderWindow::PaintInto(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  SliderModel& model = host_->Model();
  model.SetClientSize(client.right, client.bottom);
  RefreshFonts();
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = kv::controls::CreateBufferBitmap(client.right, client.bottom);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  HGDIOBJ oldFont = SelectObject(memory, fonts_.Normal());
  PaintState state;
  state.focused = GetFocus() == hwnd_;
  state.dragging = model.Dragging();
  PaintSlider(memory, model.Layout(), model.Properties(), fonts_, state, *host_);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldFont);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void SliderWindow::OnSize(int width, int height) {
  host_->Model().SetClientSize(width, height);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// The second press of a double click fires DblClick instead of MouseDown (and no Click after it),
// but still grabs the thumb like any press.
void SliderWindow::OnButtonDown(UINT message, WPARAM keys, int x, int y) {
  if (message == WM_LBUTTONDBLCLK) host_->PlainEvent(dispid::kDblClick);
  else host_->MouseEvent(dispid::kMouseDown, ButtonOf(message), ShiftMask(keys), x, y);
  if ((message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK) || !IsWindowEnabled(hwnd_)) return;
  leftPressedInside_ = message == WM_LBUTTONDOWN;
  RefreshFonts();
  SliderModel& model = host_->Model();
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (model.HitThumb(x, y)) {
    SetCapture(hwnd_);
    model.PressLeft(x, y);  // marks dragging, fires ThumbClick
  }
}

void SliderWindow::OnButtonUp(UINT message, WPARAM keys, int x, int y) {
  const bool click = message == WM_LBUTTONUP && leftPressedInside_;
  if (message == WM_LBUTTONUP) {
    leftPressedInside_ = false;
    host_->Model().EndDrag();
    if (GetCapture() == hwnd_) ReleaseCapture();
  }
  host_->MouseEvent(dispid::kMouseUp, ButtonOf(message), ShiftMask(keys), x, y);
  if (click) {
    RECT client;
    GetClientRect(hwnd_, &client);
    POINT at = {x, y};
    if (PtInRect(&client, at)) host_->PlainEvent(dispid::kClick);
  }
}

void SliderWindow::OnMouseMove(WPARAM keys, int x, int y) {
  SliderModel& model = host_->Model();
  if (model.Dragging() && (keys & MK_LBUTTON)) model.DragTo(x, y);
  host_->MouseEvent(dispid::kMouseMove, ButtonMask(keys), ShiftMask(keys), x, y);
}

bool SliderWindow::OnKeyDown(WPARAM key) {
  SliderKey sliderKey;
  if (!SliderKeyOf(key, &sliderKey)) return false;
  RefreshFonts();
  return host_->Model().PressKey(sliderKey);
}

void SliderWindow::OnKeyUp() {
  SliderModel& model = host_->Model();
  if (!model.Dragging()) return;
  model.EndDrag();
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void SliderWindow::OnCaptureLost() {
  host_->Model().EndDrag();
}

}  // namespace kvslide
