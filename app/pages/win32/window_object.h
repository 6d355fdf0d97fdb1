// One place where a window and the object behind it meet: the object given as creation parameter is
// attached on WM_NCCREATE and found again for every later message; window classes are registered once.
#pragma once

#include <windows.h>

namespace kv {

// The object attached to `hwnd` (attaching the creation parameter first on WM_NCCREATE); nullptr for
// the few messages a window gets before WM_NCCREATE and after it was detached.
template <class T>
T* WindowObject(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Detaches the object (on WM_NCDESTROY, before the object is freed).
inline void DetachWindowObject(HWND hwnd) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0); }

// Registers a window class of this program once per process.
void RegisterWindowClassOnce(const char* name, WNDPROC proc, UINT style = 0, HICON icon = nullptr);

}  // namespace kv
