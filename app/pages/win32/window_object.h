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

// Window procedure of a window that owns the object behind it (made with the object as creation
// parameter): the object's `hwnd_` is set on WM_NCCREATE, every message goes to its
// `LRESULT Handle(UINT, WPARAM, LPARAM)`, and the object is freed with its window. T declares this
// procedure a friend and registers its class with `&OwnedObjectProc<T>`.
template <class T>
LRESULT CALLBACK OwnedObjectProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  T* self = WindowObject<T>(hwnd, msg, lp);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
  if (msg == WM_NCDESTROY) {
    DetachWindowObject(hwnd);
    delete self;
    return 0;
  }
  return self->Handle(msg, wp, lp);
}

// Registers a window class of this program once per process.
// Without a small icon the system makes one from the large icon's resource at every registration.
void RegisterWindowClassOnce(const char* name, WNDPROC proc, UINT style = 0, HICON icon = nullptr,
                             HICON smallIcon = nullptr);

}  // namespace kv
