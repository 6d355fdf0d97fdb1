// Plain Win32 stand-ins for CoolBttn and PicBttn (see page_buttons.h).
#include "app/pages/win32/page_buttons.h"

#include "app/pages/win32/ui_theme.h"

namespace kv {

HWND CreateCoolButton(HWND parent, int id, const std::string& caption) {
  HWND b = CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0,
                           90, 24, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
  SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  return b;
}

HWND CreatePictureButton(HWND parent, int id) {
  return CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 24, 24, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

bool DrawPictureButton(const DRAWITEMSTRUCT* item) {
  if (item->CtlType != ODT_BUTTON) return false;
  HDC dc = item->hDC;
  RECT r = item->rcItem;
  const bool pressed = (item->itemState & ODS_SELECTED) != 0;
  ui::FillSolid(dc, r, pressed ? ui::kAccentLight : ui::kPanelBack);
  HPEN pen = CreatePen(PS_SOLID, 1, ui::kAccent);
  HGDIOBJ old = SelectObject(dc, pen);
  // A tiny tree: a root box and two branches.
  const int x = r.left + 6 + (pressed ? 1 : 0), y = r.top + 5 + (pressed ? 1 : 0);
  Rectangle(dc, x, y, x + 5, y + 5);
  MoveToEx(dc, x + 2, y + 5, nullptr);
  LineTo(dc, x + 2, y + 13);
  MoveToEx(dc, x + 2, y + 9, nullptr);
  LineTo(dc, x + 7, y + 9);
  MoveToEx(dc, x + 2, y + 13, nullptr);
  LineTo(dc, x + 7, y + 13);
  Rectangle(dc, x + 7, y + 7, x + 12, y + 12);
  Rectangle(dc, x + 7, y + 11, x + 12, y + 16);
  SelectObject(dc, old);
  DeleteObject(pen);
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  return true;
}

}  // namespace kv
