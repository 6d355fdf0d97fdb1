// The function help box window (see help_box.h).
#include "dialogs/win/help_box.h"


#include "dialogs/core/fade.h"
#include "dialogs/core/help_scroll.h"
#include "dialogs/core/msg_buttons.h"
#include "dialogs/core/text_rules.h"
#include "dialogs/win/dialog_frame.h"
#include "dialogs/win/fade_out.h"
#include "dialogs/win/flat_scrollbar.h"
#include "dialogs/win/library_texts.h"
#include "dialogs/win/message_dialog.h"

namespace kvdlg {

namespace {

constexpr int kWidth = 500;
constexpr int kAreaLines = 14;
constexpr int kGap = 8;
constexpr int kMoreWidth = 16;
constexpr int kMoreHeight = 10;
constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkMilliseconds = 500;
constexpr char kAreaClass[] = "KvHelpArea";
constexpr char kBoxProp[] = "KvHelpBox";

// The clipping area that holds the text field; the text field moves up inside it.
LRESULT CALLBACK AreaProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0xFF, 0xFF, 0xFF));
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0x1E, 0x24, 0x2C));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

class HelpBox {
 public:
  explicit HelpBox(const HelpRequest& request) : request_(request) {}

  int Run() {
    languageOffset_ = ReadLanguageOffset();
    RegisterLibraryClass(kAreaClass, AreaProcedure, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    INT_PTR result = RunModalDialog(request_.owner, &HelpBox::Procedure, reinterpret_cast<LPARAM>(this));
    return result == 1 ? 1 : 0;
  }

  HelpBoxState State() const {
    HelpBoxState s;
    s.found = true;
    s.blinking = scroll_.Blinking();
    s.scrollEnabled = bar_.Enabled();
    s.scrollMax = bar_.Max();
    s.smallChange = bar_.SmallChange();
    s.value = bar_.Value();
    s.lineHeight = lineHeight_;
    s.areaHeight = areaHeight_;
    return s;
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, DWLP_USER, lParam);
      SetPropA(window, kBoxProp, reinterpret_cast<HANDLE>(lParam));
    }
    auto* self = reinterpret_cast<HelpBox*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;
    INT_PTR handled = FALSE;
    if (self->style_.HandleFrameMessage(window, message, wParam, lParam, &handled)) return handled;
    switch (message) {
      case WM_INITDIALOG: return self->OnInit(window);
      case WM_COMMAND: self->OnCommand(LOWORD(wParam)); return TRUE;
      case WM_TIMER: self->OnBlink(); return TRUE;
      case WM_DRAWITEM: self->OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
      case WM_MOUSEWHEEL: self->OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return TRUE;
      case WM_PAINT: self->OnPaint(); return TRUE;
      case WM_DESTROY:
        KillTimer(window, kBlinkTimer);
        RemovePropA(window, kBoxProp);
        self->bar_.Destroy();
        return FALSE;
      default: return FALSE;
    }
  }

  BOOL OnInit(HWND window) {
    window_ = window;
    lineHeight_ = MeasureLineHeight();
    HelpText help = SplitHelpText(request_.message);

    std::string title = request_.headlineText.empty() ? LibraryText(kTextFunctionHelp, languageOffset_)
                                                       : request_.headlineText;
    AddHeadline(window, title, kWidth, style_);
    AddCloseImage(window, kWidth);

    int areaLeft = kPadding;
    int areaTop = kBandHeight + kPadding;
    int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    int areaWidth = kWidth - 2 * kPadding - barWidth - kGap;
    areaHeight_ = RoundAreaToLines(kAreaLines * lineHeight_, lineHeight_);
    int bodyHeight = areaHeight_;
    if (help.hasHeading) {
      // The heading sits on the area's top edge, two lines under it; the text gives up two lines.
      SIZE headingSize = MeasureText(window, style_.BoldFont(), help.heading, areaWidth);
      headingWidth_ = headingSize.cx;
      AddControl(window, "STATIC", help.heading, SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS, kIdHelpHeading, areaLeft,
                 areaTop, areaWidth, lineHeight_, style_.BoldFont());
      rulesTop_ = areaTop + lineHeight_ + 3;
      areaTop += 2 * lineHeight_;
      areaHeight_ -= 2 * lineHeight_;
    }

    HWND area = CreateWindowExA(0, kAreaClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, areaLeft, areaTop,
                                areaWidth, areaHeight_, window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdHelpArea)), LibraryModule(), nullptr);
    text_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0, areaWidth,
                            areaHeight_, area, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdHelpText)),
                            LibraryModule(), nullptr);
    SendMessageA(text_, WM_SETFONT, reinterpret_cast<WPARAM>(style_.TextFont()), FALSE);
    SendMessageA(text_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);

    int barLeft = kWidth - kPadding - barWidth;
    bar_.SetOrientation(1);
    bar_.Create(window, kIdHelpScrollBar, barLeft, areaTop, barWidth, areaHeight_);
    bar_.SetStyle(2);
    bar_.OnChange([this] { OnScrolled(); });
    bar_.OnScroll([this] { OnScrolled(); });
    AddControl(window, "STATIC", "", SS_OWNERDRAW, kIdHelpMore, barLeft, areaTop + areaHeight_ + 4, kMoreWidth,
               kMoreHeight, nullptr);

    int height = kBandHeight + kPadding + bodyHeight + kPadding + kFooterHeight;
    int buttonTop = height - kFooterHeight + (kFooterHeight - kButtonHeight) / 2;
    HWND ok = AddControl(window, "BUTTON", LibraryText(kTextOk, languageOffset_), BS_OWNERDRAW | WS_TABSTOP, kIdHelpOk,
                         kWidth - kPadding - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight, style_.TextFont());
    HWND check = AddControl(window, "BUTTON", request_.checkText, BS_AUTOCHECKBOX | WS_TABSTOP, kIdHelpCheck, kPadding,
                            buttonTop, kWidth - 3 * kPadding - kButtonWidth, kButtonHeight, style_.TextFont());
    if (request_.checkText.empty()) ShowWindow(check, SW_HIDE);

    SetText(BarsToLineBreaks(help.body));
    SizeAndPlace(window, request_.owner, kWidth, height);
    SendMessageA(window, DM_SETDEFID, kIdHelpOk, 0);
    SetFocus(ok);
    return FALSE;
  }

  int MeasureLineHeight() {
    HDC dc = GetDC(window_);
    HGDIOBJ old = SelectObject(dc, style_.TextFont());
    SIZE size{};
    GetTextExtentPoint32A(dc, "\xC3\xC7", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(window_, dc);
    return size.cy > 0 ? size.cy : 16;
  }

  // Runs whenever the text changes: fit the text field to its lines and set up scrolling.
  void SetText(const std::string& body) {
    SetWindowTextA(text_, body.c_str());
    int lines = static_cast<int>(SendMessageA(text_, EM_GETLINECOUNT, 0, 0));
    scroll_.SetText(lines, lineHeight_, areaHeight_, MoreMarginPixels(15));
    RECT r{};
    GetClientRect(text_, &r);
    SetWindowPos(text_, nullptr, 0, 0, r.right, scroll_.TextHeight() + lineHeight_, SWP_NOZORDER | SWP_NOMOVE);
    bar_.SetValue(0);
    if (scroll_.ScrollEnabled()) {
      bar_.SetMax(scroll_.Max());
      bar_.SetSmallChange(scroll_.SmallChange());
      bar_.SetLargeChange(scroll_.LargeChange());
      bar_.SetEnabled(true);
      SetTimer(window_, kBlinkTimer, kBlinkMilliseconds, nullptr);
    } else {
      bar_.SetMax(0);
      bar_.SetEnabled(false);
      KillTimer(window_, kBlinkTimer);
    }
    InvalidateMore();
  }

  void OnScrolled() {
    bool wasBlinking = scroll_.Blinking();
    scroll_.SetValue(bar_.Value());
    SetWindowPos(text_, nullptr, 0, scroll_.TextTop(), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    if (wasBlinking && !scroll_.Blinking()) {
      KillTimer(window_, kBlinkTimer);
      InvalidateMore();
    }
  }

  void OnBlink() {
    scroll_.Tick();
    InvalidateMore();
  }

  void OnWheel(int delta) {
    if (!scroll_.ScrollEnabled()) return;
    int value = bar_.Value() - (delta / WHEEL_DELTA) * 3 * scroll_.SmallChange();
    if (value < 0) value = 0;
    if (value > bar_.Max()) value = bar_.Max();
    bar_.SetValue(value);
  }

  void InvalidateMore() { InvalidateRect(GetDlgItem(window_, kIdHelpMore), nullptr, TRUE); }

  void OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    if (headingWidth_ > 0) {
      // Two rules under the heading, as wide as the heading.
      HPEN pen = CreatePen(PS_SOLID, 1, Palette::Accent());
      HGDIOBJ old = SelectObject(dc, pen);
      for (int i = 0; i < 2; ++i) {
        MoveToEx(dc, kPadding, rulesTop_ + 3 * i, nullptr);
        LineTo(dc, kPadding + headingWidth_, rulesTop_ + 3 * i);
      }
      SelectObject(dc, old);
      DeleteObject(pen);
    }
    EndPaint(window_, &ps);
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
      case kIdCloseImage: DrawCloseImage(item); break;
      case kIdHelpOk: DrawFlatButton(item, true, style_.TextFont()); break;
      case kIdHelpMore: DrawMore(item); break;
      default: break;
    }
  }

  // The "more" mark: a small downward chevron, or nothing.
  void DrawMore(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, style_.BodyBrush());
    if (!scroll_.IndicatorShown()) return;
    HPEN pen = CreatePen(PS_SOLID, 2, Palette::Accent());
    HGDIOBJ old = SelectObject(item.hDC, pen);
    int cx = (item.rcItem.left + item.rcItem.right) / 2;
    for (int row = 0; row < 2; ++row) {
      int top = item.rcItem.top + 1 + row * 4;
      MoveToEx(item.hDC, cx - 5, top, nullptr);
      LineTo(item.hDC, cx, top + 4);
      LineTo(item.hDC, cx + 6, top - 2);
    }
    SelectObject(item.hDC, old);
    DeleteObject(pen);
  }

  void OnCommand(int id) {
    switch (id) {
      case kIdHelpOk:
      case kIdCloseImage:
      case IDOK:
      case IDCANCEL: Close(); break;
      default: break;
    }
  }

  void Close() {
    if (closing_) return;
    closing_ = true;
    int result = IsDlgButtonChecked(window_, kIdHelpCheck) == BST_CHECKED ? 1 : 0;
    SetLastDialogResult(result);
    KillTimer(window_, kBlinkTimer);
    if (request_.fadeOut) FadeOutWindow(window_, kHelpFadeStep);
    EndDialog(window_, result);
  }

  HelpRequest request_;
  FrameStyle style_;
  FlatScrollBar bar_;
  HelpScrollModel scroll_;
  HWND window_ = nullptr;
  HWND text_ = nullptr;
  int languageOffset_ = 0;
  int lineHeight_ = 16;
  int areaHeight_ = 0;
  int headingWidth_ = 0;
  int rulesTop_ = 0;
  bool closing_ = false;
};

}  // namespace

int ShowHelpBox(const HelpRequest& request) {
  HelpBox box(request);
  return box.Run();
}

HelpBoxState InspectHelpBox(HWND box) {
  auto* self = reinterpret_cast<const HelpBox*>(GetPropA(box, kBoxProp));
  return self != nullptr ? self->State() : HelpBoxState{};
}

}  // namespace kvdlg
