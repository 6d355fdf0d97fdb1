// The titled frame (see frame_window.h).
#include "app/pages/win32/frame_window.h"

#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

namespace {
const char kClassName[] = "KvFrame";

void PaintFrame(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rc;
  GetClientRect(hwnd, &rc);
  ui::FillSolid(dc, rc, ui::kPageBack);
  char caption[256] = {};
  const int length = GetWindowTextA(hwnd, caption, sizeof caption);
  HGDIOBJ oldFont = SelectObject(dc, ui::BoldFont());
  SIZE text{};
  GetTextExtentPoint32A(dc, caption, length, &text);
  RECT line = {rc.left, rc.top + text.cy / 2, rc.right, rc.bottom};
  DrawEdge(dc, &line, EDGE_ETCHED, BF_RECT);
  if (length > 0) {
    SetBkColor(dc, ui::kPageBack);
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, ui::kAccentDark);
    RECT title = {rc.left + 6, rc.top, rc.left + 6 + text.cx + 4, rc.top + text.cy};
    DrawTextA(dc, caption, length, &title, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: PaintFrame(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, FALSE);
      return r;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}
}  // namespace

HWND CreateFrameWindow(HWND parent, const std::string& caption) {
  RegisterWindowClassOnce(kClassName, &FrameProc);
  // Clipped by its siblings: the controls inside, above it in the drawing order, are never painted over.
  HWND frame = CreateWindowExA(0, kClassName, caption.c_str(), WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 10, 10, parent,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  if (frame) SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return frame;
}

}  // namespace kv
