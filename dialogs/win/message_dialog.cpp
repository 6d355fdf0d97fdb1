// The message dialog window (see message_dialog.h).
#include "dialogs/win/message_dialog.h"


#include "dialogs/core/fade.h"
#include "dialogs/core/msg_buttons.h"
#include "dialogs/core/text_rules.h"
#include "dialogs/win/dialog_frame.h"
#include "dialogs/win/fade_out.h"
#include "dialogs/win/library_texts.h"

namespace kvdlg {

namespace {

int g_lastResult = 0;

constexpr int kWidth = 420;
constexpr int kMinTextHeight = 36;
constexpr int kMaxTextHeight = 520;

class MessageDialog {
 public:
  explicit MessageDialog(const MessageRequest& request) : request_(request) {}

  int Run() {
    languageOffset_ = ReadLanguageOffset();
    INT_PTR result = RunModalDialog(request_.owner, &MessageDialog::Procedure, reinterpret_cast<LPARAM>(this));
    return result > 0 ? static_cast<int>(result) : kResultCancel;
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<MessageDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;
    INT_PTR handled = FALSE;
    if (self->style_.HandleFrameMessage(window, message, wParam, lParam, &handled)) return handled;
    switch (message) {
      case WM_INITDIALOG: return self->OnInit(window);
      case WM_COMMAND: self->OnCommand(LOWORD(wParam)); return TRUE;
      case WM_DRAWITEM: self->OnDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return TRUE;
      default: return FALSE;
    }
  }

  BOOL OnInit(HWND window) {
    window_ = window;
    std::string text = BarsToLineBreaks(request_.message);
    SIZE textSize = MeasureText(window, style_.TextFont(), text, kWidth - 2 * kPadding);
    int textHeight = textSize.cy < kMinTextHeight ? kMinTextHeight : textSize.cy;
    if (textHeight > kMaxTextHeight) textHeight = kMaxTextHeight;
    int height = kBandHeight + kPadding + textHeight + kPadding + kFooterHeight;

    AddHeadline(window, HeadlineOrDefault(request_.headline), kWidth, style_);
    AddCloseImage(window, kWidth);
    AddControl(window, "STATIC", text, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kIdMessage, kPadding,
               kBandHeight + kPadding, kWidth - 2 * kPadding, textHeight, style_.TextFont());

    ButtonPair buttons = ButtonsFor(request_.button);
    int buttonTop = height - kFooterHeight + (kFooterHeight - kButtonHeight) / 2;
    int secondLeft = kWidth - kPadding - kButtonWidth;
    int firstLeft = secondLeft - 8 - kButtonWidth;
    AddButton(kIdFirstButton, buttons.first, firstLeft, buttonTop);
    AddButton(kIdSecondButton, buttons.second, secondLeft, buttonTop);
    defaultId_ = buttons.first.visible ? kIdFirstButton : kIdSecondButton;
    SendMessageA(window, DM_SETDEFID, static_cast<WPARAM>(defaultId_), 0);

    SizeAndPlace(window, request_.owner, kWidth, height);
    SetFocus(GetDlgItem(window, defaultId_));
    return FALSE;  // focus set here
  }

  void AddButton(int id, const ButtonSpec& buttonKind, int left, int top) {
    // Hidden buttons keep the designed caption; the code in the tag is what a press returns.
    std::string caption = LibraryText(buttonKind.textId != 0 ? buttonKind.textId : kTextOk, languageOffset_);
    DWORD visible = buttonKind.visible ? WS_TABSTOP : 0;
    HWND button = AddControl(window_, "BUTTON", caption, BS_OWNERDRAW | visible, id, left, top, kButtonWidth,
                             kButtonHeight, style_.TextFont());
    if (!buttonKind.visible) ShowWindow(button, SW_HIDE);
    SetWindowLongPtrA(button, GWLP_USERDATA, buttonKind.code);
  }

  void OnCommand(int id) {
    switch (id) {
      case kIdFirstButton:
      case kIdSecondButton: {
        LONG_PTR code = GetWindowLongPtrA(GetDlgItem(window_, id), GWLP_USERDATA);
        Close(code != 0 ? static_cast<int>(code) : kResultCancel);
        break;
      }
      case IDOK: OnCommand(defaultId_); break;
      case kIdCloseImage:
      case IDCANCEL: Close(kResultCancel); break;
      default: break;
    }
  }

  void OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (static_cast<int>(item.CtlID) == kIdCloseImage) {
      DrawCloseImage(item);
    } else {
      DrawFlatButton(item, static_cast<int>(item.CtlID) == defaultId_, style_.TextFont());
    }
  }

  void Close(int result) {
    if (closing_) return;
    closing_ = true;
    g_lastResult = result;
    if (request_.fadeOut) FadeOutWindow(window_, kMessageFadeStep);
    EndDialog(window_, result);
  }

  MessageRequest request_;
  FrameStyle style_;
  HWND window_ = nullptr;
  int languageOffset_ = 0;
  int defaultId_ = kIdSecondButton;
  bool closing_ = false;
};

}  // namespace

int ShowMessageDialog(const MessageRequest& request) {
  MessageDialog dialog(request);
  return dialog.Run();
}

int LastDialogResult() { return g_lastResult; }
void SetLastDialogResult(int result) { g_lastResult = result; }

}  // namespace kvdlg
