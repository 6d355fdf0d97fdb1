// The flat button's window: properties, caption text and painting (see cool_button.h).
#include "app/controls/win32/cool_button.h"

#include <vector>

#include "app/controls/core/cool_button_layout.h"

namespace kv::controls {

CoolButton::CoolButton(const CoolButtonProperties& p) : model_(p) { HoverButton::SetEnabled(p.enabled); }

HWND CoolButton::Create(HWND parent, const RECT& box, int id, DWORD extraStyle) {
  return CreateControl(kClassName, &ControlBase::Procedure<CoolButton>, parent, box, id,
                       WS_CLIPSIBLINGS | extraStyle, model_.Properties().caption.c_str());
}

bool CoolButton::Register() { return RegisterControlClass(kClassName, &ControlBase::Procedure<CoolButton>); }

CoolButton* CoolButton::FromWindow(HWND hwnd) { return dynamic_cast<CoolButton*>(FromHandle(hwnd)); }

void CoolButton::Changed() { Redraw(); }

void CoolButton::Created() {
  HoverButton::Created();
  // A window made by class name brings its caption as window text.
  std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(hwnd_)) + 1, '\0');
  GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
  model_.EditProperties().caption = text.data();
}

void CoolButton::SetProperties(const CoolButtonProperties& p) {
  const bool enabled = p.enabled;
  model_.EditProperties() = p;
  model_.EditProperties().enabled = Enabled();
  SetCaption(p.caption);
  HoverButton::SetEnabled(enabled);
  Changed();
}

void CoolButton::SetCaption(const std::string& caption) {
  if (hwnd_) {
    SetWindowTextA(hwnd_, caption.c_str());  // WM_SETTEXT stores it in the model
  } else {
    model_.EditProperties().caption = caption;
  }
}

void CoolButton::SetIcon(const Picture& icon) {
  icon_ = icon;
  Changed();
}

void CoolButton::SetViewImage(bool view) {
  model_.EditProperties().viewImage = view;
  Changed();
}

void CoolButton::SetIconOffset(int x, int y) {
  model_.EditProperties().iconOffsetX = x;
  model_.EditProperties().iconOffsetY = y;
  Changed();
}

void CoolButton::SetAlignment(CaptionAlignment alignment) {
  model_.EditProperties().alignment = alignment;
  Changed();
}

void CoolButton::SetColours(Colour back, Colour backOver, Colour caption, Colour captionOver) {
  CoolButtonProperties& p = model_.EditProperties();
  p.backColor = back;
  p.colorOverBttn = backOver;
  p.captionColor = caption;
  p.captionColorOverBttn = captionOver;
  Changed();
}

void CoolButton::SetFrameColours(Colour light, Colour shadow) {
  model_.EditProperties().colorLight = light;
  model_.EditProperties().colorShaddow = shadow;
  Changed();
}

void CoolButton::SetBoldOverBttn(bool bold) {
  model_.EditProperties().boldOverBttn = bold;
  Changed();
}

void CoolButton::SetActiveOver(bool activeOver) {
  model_.EditProperties().activeOver = activeOver;
  Changed();
}

void CoolButton::SetCaptionKlickPos(bool move) {
  model_.EditProperties().captionKlickPos = move;
  Changed();
}

void CoolButton::ChangeStatus(bool pressed) {
  model_.ChangeStatus(pressed);
  Changed();
  if (hwnd_) UpdateWindow(hwnd_);
}

LRESULT CoolButton::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) {
    model_.EditProperties().caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
    Changed();
  }
  return HoverButton::Handle(message, wParam, lParam);
}

void CoolButton::Paint(HDC dc, const RECT& client) {
  const CoolButtonLook look = model_.Look();
  const CoolButtonProperties& p = model_.Properties();
  FillColour(dc, client, ResolveColour(look.background));

  HFONT font = look.bold ? bold_.Of(Font()) : Font();
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT measure = {0, 0, 0, 0};
  DrawTextA(dc, p.caption.c_str(), -1, &measure, DT_SINGLELINE | DT_CALCRECT);
  const SIZE iconSize = icon_.Size();
  const CoolButtonLayout layout =
      LayoutCoolButton(p, client.right, client.bottom, Size{iconSize.cx, iconSize.cy},
                       Size{measure.right, measure.bottom}, look.pressOffset);

  if (!layout.icon.Empty()) icon_.Draw(dc, layout.icon.left, layout.icon.top, look.greyed);
  RECT text = {layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
  SetBkMode(dc, TRANSPARENT);
  const UINT hidePrefix = (SendMessageA(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
  if (look.greyed) {
    // Etched grey text, as the system draws disabled captions.
    RECT shifted = {text.left + 1, text.top + 1, text.right + 1, text.bottom + 1};
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, p.caption.c_str(), -1, &shifted, DT_SINGLELINE | DT_NOCLIP | hidePrefix);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(dc, ResolveColour(look.captionColour));
  }
  DrawTextA(dc, p.caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOCLIP | hidePrefix);
  SelectObject(dc, oldFont);

  if (look.frameVisible) {
    DrawFrame(dc, client, ResolveColour(look.frameTopLeft), ResolveColour(look.frameBottomRight));
  }
  if (GetFocus() == hwnd_ && !(SendMessageA(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    RECT focus = {client.left + 3, client.top + 3, client.right - 3, client.bottom - 3};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace kv::controls
