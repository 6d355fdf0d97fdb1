// Shared control helpers of the panels (see own_tab_panel.h).
#include "app/pages/win32/own_tab_panel.h"

#include "app/pages/win32/ui_theme.h"

namespace kv {

RECT FrameArea(HWND page, HWND frame) {
  RECT r{};
  GetWindowRect(frame, &r);
  MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND MakeLabel(HWND parent, const std::string& text, DWORD style) {
  HWND label = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | style, 0, 0, 10, 10, parent, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  return label;
}

HWND MakeButton(HWND parent, int id, const std::string& text, DWORD style) {
  HWND button = CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_TABSTOP | style, 0, 0, 10, 10, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  return button;
}

bool IsTicked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetTicked(HWND button, bool ticked) {
  SendMessageA(button, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace kv
