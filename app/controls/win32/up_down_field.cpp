// The number field's window: text box, system arrows, text rules and colours (see up_down_field.h).
#include "app/controls/win32/up_down_field.h"

#include <commctrl.h>

#include <vector>

#include "app/controls/win32/paint_support.h"

namespace kv::controls {

namespace {
constexpr int kEditId = 1, kArrowsId = 2;
constexpr int kArrowsWidth = 16;
}  // namespace

UpDownField::UpDownField(const UpDownProperties& p) : model_(p) {}

UpDownField::~UpDownField() = default;

HWND UpDownField::Create(HWND parent, const RECT& box, int id, DWORD extraStyle) {
  return CreateControl(kClassName, &ControlBase::Procedure<UpDownField>, parent, box, id,
                       WS_CLIPCHILDREN | WS_CLIPSIBLINGS | extraStyle, "", WS_EX_CONTROLPARENT);
}

bool UpDownField::Register() { return RegisterControlClass(kClassName, &ControlBase::Procedure<UpDownField>); }

UpDownField* UpDownField::FromWindow(HWND hwnd) { return dynamic_cast<UpDownField*>(FromHandle(hwnd)); }

void UpDownField::Created() {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  HINSTANCE module = ControlsModule();
  // Also for fields made by class name: dialog navigation walks into the text box.
  SetWindowLongA(hwnd_, GWL_EXSTYLE, GetWindowLongA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  lastText_ = model_.Text();
  edit_ = CreateWindowExA(0, "EDIT", lastText_.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 10,
                          10, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), module, nullptr);
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  SendMessageA(edit_, EM_LIMITTEXT, UpDownModel::kMaxTextLength, 0);
  // Made right after the text box, so auto-buddy takes the text box as its buddy.
  arrows_ = CreateWindowExA(
      0, UPDOWN_CLASSA, "",
      WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS | UDS_ARROWKEYS, 0, 0,
      0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kArrowsId)), module, nullptr);
  Layout();
  Refresh();
  if (!model_.Enabled()) SetEnabled(false);
}

std::string UpDownField::Text() const {
  if (!edit_) return model_.Text();
  std::vector<char> buffer(static_cast<size_t>(GetWindowTextLengthA(edit_)) + 1, '\0');
  GetWindowTextA(edit_, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data());
}

void UpDownField::Refresh() {
  if (!arrows_) return;
  SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(model_.Min()), static_cast<LPARAM>(model_.Max()));
  SendMessageA(arrows_, UDM_SETPOS32, 0, static_cast<LPARAM>(model_.Value()));
  UpDownAccel table[2];
  model_.AccelerationTable(table);
  UDACCEL accel[2] = {{table[0].seconds, table[0].increment}, {table[1].seconds, table[1].increment}};
  SendMessageA(arrows_, UDM_SETACCEL, 2, reinterpret_cast<LPARAM>(accel));
  InvalidateRect(hwnd_, nullptr, TRUE);
  InvalidateRect(edit_, nullptr, TRUE);
}

void UpDownField::SetMin(int min) { SetRange(min, model_.Max()); }
void UpDownField::SetMax(int max) { SetRange(model_.Min(), max); }

void UpDownField::SetRange(int min, int max) {
  model_.SetRange(min, max);
  SetValue(model_.Value());
}

void UpDownField::SetStep(int step) {
  model_.SetStep(step);
  Refresh();
}

void UpDownField::SetValue(int value) {
  model_.SetValue(value);
  const std::string text = model_.Text();
  Refresh();  // the arrows may already write the new text into the box
  if (edit_ && Text() != text) PutText(text);
}

void UpDownField::SetEnabled(bool enabled) {
  model_.SetEnabled(enabled);
  if (!hwnd_) return;
  EnableWindow(edit_, enabled);
  EnableWindow(arrows_, enabled);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void UpDownField::PutText(const std::string& text) {
  if (edit_) SetWindowTextA(edit_, text.c_str());  // EN_CHANGE -> OnEditCommand
}

void UpDownField::Layout() {
  if (!edit_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int inner = client.bottom - 2 > 0 ? client.bottom - 2 : 0;
  TEXTMETRICA tm = {};
  HDC dc = GetDC(edit_);
  HGDIOBJ old = SelectObject(dc, Font());
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(edit_, dc);
  int textHeight = tm.tmHeight > 0 ? tm.tmHeight : inner;
  if (textHeight > inner) textHeight = inner;
  const int arrowsLeft = client.right - 1 - kArrowsWidth;
  const int editWidth = arrowsLeft - 4 > 0 ? arrowsLeft - 4 : 0;
  MoveWindow(edit_, 4, 1 + (inner - textHeight) / 2, editWidth, textHeight, TRUE);
  MoveWindow(arrows_, arrowsLeft, 1, kArrowsWidth, inner, TRUE);
}

void UpDownField::PaintFrame() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  FillColour(dc, client, GetSysColor(model_.Enabled() ? COLOR_WINDOW : COLOR_BTNFACE));
  const bool focused = edit_ && GetFocus() == edit_;
  const COLORREF edge = focused ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_BTNSHADOW);
  DrawFrame(dc, client, edge, edge);
  EndPaint(hwnd_, &ps);
}

LRESULT UpDownField::EditColours(HDC dc) {
  const int index = model_.Enabled() ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(index));
  SetTextColor(dc, GetSysColor(model_.Enabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(index));
}

void UpDownField::OnEditCommand(WORD code) {
  if (code == EN_SETFOCUS || code == EN_KILLFOCUS) InvalidateRect(hwnd_, nullptr, FALSE);
  if (code == EN_KILLFOCUS) {
    const UpDownReaction r = model_.FocusLost(Text());
    if (r.replaceText) PutText(*r.replaceText);  // its change raises Update
    return;
  }
  if (code != EN_CHANGE || replacing_) return;
  std::string text = Text();
  if (text == lastText_) return;
  const UpDownReaction r = model_.TextChanged(text);
  if (r.replaceText) {
    replacing_ = true;
    PutText(*r.replaceText);
    replacing_ = false;
    text = *r.replaceText;
    SendMessageA(edit_, EM_SETSEL, 0, -1);  // the next key typed replaces the Min shown
  }
  lastText_ = text;
  if (r.raiseUpdate) Notify(kUpdateNotification, onUpdate);
}

LRESULT UpDownField::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintFrame();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      if (edit_) SetFocus(edit_);
      return 0;
    case WM_ENABLE:
      SetEnabled(wParam != 0);
      return 0;
    case WM_SETFONT:
      if (edit_) SendMessageA(edit_, WM_SETFONT, wParam, lParam);
      ControlBase::Handle(message, wParam, lParam);
      Layout();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return EditColours(reinterpret_cast<HDC>(wParam));
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditId) OnEditCommand(HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return 0;
    default:
      return ControlBase::Handle(message, wParam, lParam);
  }
}

}  // namespace kv::controls
