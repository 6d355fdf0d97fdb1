// Window class registration (see window_object.h).
#include "app/pages/win32/window_object.h"

namespace kv {

void RegisterWindowClassOnce(const char* name, WNDPROC proc, UINT style, HICON icon) {
  WNDCLASSA existing{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &existing)) return;
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

}  // namespace kv
