// Tab strip window (see tab_strip_window.h).
#include "app/pages/win32/tab_strip_window.h"

#include "app/mainwin/core/bar_model.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

namespace {
const char kClassName[] = "KvTabStrip";

}  // namespace

TabStripWindow* TabStripWindow::Create(HWND parent, int id, const std::vector<std::string>& captions,
                                       ChangeHandler onChange) {
  RegisterWindowClassOnce(kClassName, &OwnedObjectProc<TabStripWindow>);
  auto* self = new TabStripWindow();
  self->model_.Captions() = captions;
  self->onChange_ = std::move(onChange);
  CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 10, kTabStripHeight, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), self);
  return self;
}

int TabStripWindow::Measure(const std::string& s) const {
  return ui::TextWidth(hwnd_, ui::BoldFont(), CaptionDisplayText(s));
}

void TabStripWindow::SetTab(int tab) {
  if (!model_.SetTab(tab)) return;
  InvalidateRect(hwnd_, nullptr, TRUE);
  if (onChange_) onChange_(tab);
}

void TabStripWindow::Click(int x, int y) {
  int tab = model_.HitTest(x, y, kTabStripHeight, [this](const std::string& s) { return Measure(s); });
  if (tab >= 0) SetTab(tab);
}

void TabStripWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  ui::FillSolid(dc, client, ui::kPageBack);
  RECT line = {client.left, client.bottom - 2, client.right, client.bottom};
  ui::FillSolid(dc, line, ui::kAccent);
  SetBkMode(dc, TRANSPARENT);
  auto rects = model_.Layout(kTabStripHeight, [this](const std::string& s) { return Measure(s); });
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const bool current = static_cast<int>(i) == model_.Tab();
    RECT r = {rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom - (current ? 0 : 2)};
    ui::FillSolid(dc, r, current ? ui::kAccent : ui::kAccentLight);
    SelectObject(dc, current ? ui::BoldFont() : ui::NormalFont());
    SetTextColor(dc, current ? RGB(255, 255, 255) : ui::kText);
    std::string caption = model_.Captions()[i];
    DrawTextA(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT TabStripWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: Click(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); return 0;
    default: return DefWindowProcA(hwnd_, msg, wp, lp);
  }
}

}  // namespace kv
