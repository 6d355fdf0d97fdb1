// Window class registration (see window_object.h).
#include "app/pages/win32/window_object.h"

namespace kv {

void RegisterWindowClassOnce(const char* name, WNDPROC proc, UINT style, HICON icon, HICON smallIcon) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), name, &existing)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

}  // namespace kv
