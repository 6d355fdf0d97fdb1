// Registration, attachment and notification shared by the small controls (see control_base.h).
#include "app/controls/win32/control_base.h"

#include "app/controls/win32/code_module.h"

namespace kv::controls {

namespace {
// The object lives in the window's extra bytes (read without a call into the window server, unlike a
// window property), behind a mark so that FromHandle never misreads another class's extra bytes.
constexpr int kMarkSlot = 0;
constexpr int kObjectSlot = sizeof(LONG_PTR);
constexpr int kExtraBytes = 2 * sizeof(LONG_PTR);
constexpr LONG_PTR kMark = static_cast<LONG_PTR>(0x4B76436Cu);  // "KvCl"

void SetObject(HWND hwnd, ControlBase* object) {
  SetWindowLongPtrA(hwnd, kObjectSlot, reinterpret_cast<LONG_PTR>(object));
  SetWindowLongPtrA(hwnd, kMarkSlot, object ? kMark : 0);
}
}  // namespace

HINSTANCE ControlsModule() {
  return CodeModule(reinterpret_cast<const void*>(&ControlsModule));
}

ControlBase::~ControlBase() {
  // Detach first: the derived part is gone, so no message may reach Handle any more.
  if (hwnd_ && !ownedByWindow_) {
    HWND hwnd = hwnd_;
    SetObject(hwnd, nullptr);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

void ControlBase::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void ControlBase::Move(const RECT& box) {
  if (hwnd_) MoveWindow(hwnd_, box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
}

void ControlBase::SetVisible(bool visible) {
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

void ControlBase::SetFont(HFONT font) {
  if (hwnd_) {
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  } else {
    font_ = font;
  }
}

HFONT ControlBase::Font() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

ControlBase* ControlBase::FromHandle(HWND hwnd) {
  // A window with fewer extra bytes reads as 0 here, so it is not taken for one of ours.
  if (!hwnd || GetWindowLongPtrA(hwnd, kMarkSlot) != kMark) return nullptr;
  return reinterpret_cast<ControlBase*>(GetWindowLongPtrA(hwnd, kObjectSlot));
}

bool ControlBase::RegisterControlClass(const char* className, WNDPROC procedure) {
  HINSTANCE module = ControlsModule();
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExA(module, className, &wc)) return true;
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.cbWndExtra = kExtraBytes;
  wc.lpfnWndProc = procedure;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  return RegisterClassExA(&wc) != 0;
}

HWND ControlBase::CreateControl(const char* className, WNDPROC procedure, HWND parent, const RECT& box, int id,
                                DWORD style, const char* text, DWORD exStyle) {
  if (hwnd_) return hwnd_;
  if (!RegisterControlClass(className, procedure)) return nullptr;
  HINSTANCE module = ControlsModule();
  CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right - box.left,
                  box.bottom - box.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module, this);
  return hwnd_;
}

void ControlBase::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetObject(hwnd, this);
  HWND parent = GetParent(hwnd);
  if (!font_ && parent) font_ = reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0));
}

LRESULT ControlBase::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlBase* self = FromHandle(hwnd);
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetObject(hwnd, nullptr);
    self->hwnd_ = nullptr;
    if (self->ownedByWindow_) delete self;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  if (message == WM_CREATE) {
    LRESULT result = self->Handle(message, wParam, lParam);
    if (result != -1) self->Created();
    return result;
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT ControlBase::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    default:
      return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

void ControlBase::Notify(WORD code, const std::function<void()>& callback) {
  HWND self = hwnd_;
  HWND parent = self ? GetParent(self) : nullptr;
  const int id = Id();
  std::function<void()> run = callback;  // the callback may destroy this object and its copy
  if (run) run();
  if (parent && IsWindow(self)) {
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(self));
  }
}

}  // namespace kv::controls
