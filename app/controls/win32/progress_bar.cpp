// The progress bar's window: the system bar inside, made anew on style changes (see progress_bar.h).
#include "app/controls/win32/progress_bar.h"

#include <commctrl.h>

#include "app/controls/win32/paint_support.h"

namespace kv::controls {

namespace {
constexpr int kBarId = 1;
}  // namespace

ProgressBar::ProgressBar(const ProgressProperties& p) : model_(p) {}

HWND ProgressBar::Create(HWND parent, const RECT& box, int id, DWORD extraStyle) {
  return CreateControl(kClassName, &ControlBase::Procedure<ProgressBar>, parent, box, id,
                       WS_CLIPCHILDREN | WS_CLIPSIBLINGS | extraStyle);
}

bool ProgressBar::Register() { return RegisterControlClass(kClassName, &ControlBase::Procedure<ProgressBar>); }

ProgressBar* ProgressBar::FromWindow(HWND hwnd) { return dynamic_cast<ProgressBar*>(FromHandle(hwnd)); }

void ProgressBar::Rebuild() {
  if (!hwnd_) return;
  if (bar_) DestroyWindow(bar_);
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  const ProgressProperties& p = model_.Properties();
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (p.orientation == ProgressOrientation::Vertical) style |= PBS_VERTICAL;
  if (p.smooth) style |= PBS_SMOOTH;
  bar_ = CreateWindowExA(0, PROGRESS_CLASSA, "", style, 0, 0, 0, 0, hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBarId)), ControlsModule(), nullptr);
  Layout();
  PassRange();
  SendMessageA(bar_, PBM_SETSTEP, static_cast<WPARAM>(p.step), 0);
  PassColours();
  SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(model_.Position()), 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ProgressBar::Layout() {
  if (!bar_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int inset = model_.Properties().borderStyle == 1 ? 1 : 0;
  MoveWindow(bar_, inset, inset, client.right - 2 * inset, client.bottom - 2 * inset, TRUE);
}

void ProgressBar::PassRange() {
  if (!bar_) return;
  const int low = model_.Low(), high = model_.High();
  if (low >= 0 && high <= 0xFFFF) {
    SendMessageA(bar_, PBM_SETRANGE, 0, MAKELPARAM(low, high));
  } else {
    SendMessageA(bar_, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
  }
  SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(model_.Position()), 0);
}

void ProgressBar::PassColours() {
  if (!bar_) return;
  SendMessageA(bar_, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(ResolveColour(model_.Properties().foreColor)));
  SendMessageA(bar_, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(ResolveColour(model_.Properties().backColor)));
}

void ProgressBar::SetOrientation(ProgressOrientation o) {
  if (model_.SetOrientation(o)) Rebuild();
}

void ProgressBar::SetSmooth(bool smooth) {
  if (model_.SetSmooth(smooth)) Rebuild();
}

void ProgressBar::SetBorderStyle(int style) {
  if (model_.SetBorderStyle(style)) Rebuild();
}

void ProgressBar::SetForeColor(Colour c) {
  model_.SetForeColor(c);
  PassColours();
}

void ProgressBar::SetBackColor(Colour c) {
  model_.SetBackColor(c);
  PassColours();
}

void ProgressBar::SetMin(int min) { SetRange(min, model_.Properties().max); }
void ProgressBar::SetMax(int max) { SetRange(model_.Properties().min, max); }

void ProgressBar::SetRange(int min, int max) {
  model_.SetRange(min, max);
  PassRange();
}

void ProgressBar::SetStep(int step) {
  model_.SetStep(step);
  if (bar_) SendMessageA(bar_, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
}

void ProgressBar::SetPosition(int position) {
  model_.SetPosition(position);
  if (bar_) SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(model_.Position()), 0);
}

void ProgressBar::StepIt() {
  model_.StepIt();
  if (bar_) SendMessageA(bar_, PBM_STEPIT, 0, 0);
}

void ProgressBar::PaintFrame() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  FillColour(dc, client, ResolveColour(model_.Properties().backColor));
  if (model_.Properties().borderStyle == 1) {
    const COLORREF edge = GetSysColor(COLOR_BTNSHADOW);
    DrawFrame(dc, client, edge, edge);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT ProgressBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintFrame();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SYSCOLORCHANGE:
      PassColours();
      return 0;
    default:
      return ControlBase::Handle(message, wParam, lParam);
  }
}

}  // namespace kv::controls
