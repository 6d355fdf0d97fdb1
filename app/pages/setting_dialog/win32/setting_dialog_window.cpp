// The setting dialog's window (see setting_dialog_window.h).
#include "app/pages/setting_dialog/win32/setting_dialog_window.h"

#include <commctrl.h>

#include <vector>

#include "app/controls/win32/modal_window.h"
#include "app/controls/win32/window_text.h"
#include "app/mainwin/core/localise_form.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {

RECT ToRect(const DialogRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool RegisterDialogClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA existing;
  if (GetClassInfoA(instance, kSettingDialogClass, &existing)) return true;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kSettingDialogClass;
  return RegisterClassA(&wc) != 0;
}

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

}  // namespace

SettingDialogWindow::SettingDialogWindow(const SettingDialogContext& context)
    : context_(context), model_(context.engine, context.functions) {}

SettingDialogWindow::~SettingDialogWindow() { Release(); }

void SettingDialogWindow::Release() {
  slider_.reset();
  upDown_.reset();
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

std::string SettingDialogWindow::Run(HWND owner, int function) {
  // The slider is a COM object; a thread that has COM already keeps its own set-up.
  const HRESULT com = CoInitialize(nullptr);
  model_.BeginLoad(function);
  if (Create(owner)) {
    model_.EndLoad();
    const bool ownerEnabled = owner && IsWindowEnabled(owner);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    FocusInput();
    RunModalLoop();
    // The owner is enabled again before the dialog goes, so that it gets the activation back.
    if (ownerEnabled) EnableWindow(owner, TRUE);
    Release();
  } else {
    model_.PressCancel();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return model_.Result();
}

bool SettingDialogWindow::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  if (!RegisterDialogClass(ThisModule(), &SettingDialogWindow::Procedure)) return false;

  FormTexts form;
  form.Caption = &captions_.form;
  form.ControlCaptions = {&captions_.frame, &captions_.ok, &captions_.cancel};
  form.TabCaptions = {&captions_.tab};
  LocaliseForm(form, context_.texts);
  layout_ = LayoutSettingDialog(model_.TextFieldNarrow(), context_.twipsPerPixel);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, layout_.clientWidth, layout_.clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  if (!CreateWindowExA(exStyle, kSettingDialogClass, captions_.form.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                       frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, ThisModule(), this))
    return false;
  PlaceOverOwner(owner);
  CreateFrameAndButtons();
  CreatePanel();
  ShowOkState();
  return true;
}

HWND SettingDialogWindow::Child(const char* className, const std::string& text, DWORD style, const DialogRect& box,
                                int id, DWORD exStyle) {
  HWND child = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                               box.Width(), box.Height(), hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  return child;
}

HWND SettingDialogWindow::Label(const std::string& text, const DialogRect& box, int id, DWORD extraStyle) {
  // Texts of the database: an "&" is shown, not taken as a mnemonic.
  return Child("STATIC", text, SS_LEFT | SS_NOPREFIX | extraStyle, box, id);
}

void SettingDialogWindow::CreateFrameAndButtons() {
  HWND caption = Label(model_.Caption(), layout_.caption, kIdCaption, SS_ENDELLIPSIS);
  SendMessageA(caption, WM_SETFONT, reinterpret_cast<WPARAM>(ui::BoldFont()), FALSE);
  Label(ExpandLineBreaks(model_.Prompt(), "\r\n"), layout_.prompt, kIdPrompt);

  HWND tab = Child(WC_TABCONTROLA, "", WS_CLIPSIBLINGS, layout_.tab, kIdTab);
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = &captions_.tab[0];
  SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  HWND frame = Child("BUTTON", captions_.frame, BS_GROUPBOX | WS_CLIPSIBLINGS, layout_.frame, kIdFrame);

  ok_ = Child("BUTTON", captions_.ok, BS_DEFPUSHBUTTON | WS_TABSTOP, layout_.ok, kIdOk);
  Child("BUTTON", captions_.cancel, BS_PUSHBUTTON | WS_TABSTOP, layout_.cancel, kIdCancel);

  // Tab strip and frame lie under the panel's controls: those must get the mouse and paint on top.
  SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SettingDialogWindow::CreatePanel() {
  HWND input = nullptr;
  switch (model_.Panel()) {
    case SettingPanel::Text:
      text_ = Child("EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, layout_.text, kIdText, WS_EX_CLIENTEDGE);
      SetWindowTextA(text_, model_.Text().c_str());  // a change under the loading flag
      Label(model_.Unit(), layout_.textUnit, kIdTextUnit);
      input = text_;
      break;
    case SettingPanel::UpDown: {
      upDown_ = std::make_unique<controls::UpDownField>();
      upDown_->SetRange(model_.UpDownMin(), model_.UpDownMax());
      upDown_->SetStep(model_.UpDownStep());
      upDown_->SetValue(model_.UpDownValue());
      upDown_->onUpdate = [this] {
        model_.UpDownChanged(upDown_->Value());
        ShowOkState();
      };
      upDown_->Create(hwnd_, ToRect(layout_.upDown), kIdUpDown);
      upDown_->SetFont(ui::NormalFont());
      Label(model_.Unit(), layout_.upDownUnit, kIdUpDownUnit);
      input = upDown_->Window();
      break;
    }
    case SettingPanel::Slider: {
      slider_ = std::make_unique<kvslide::SliderClient>();
      kvslide::SliderEvents events;
      events.slideChange = [this] { OnSlideChange(); };
      if (SUCCEEDED(slider_->Create(hwnd_, ToRect(layout_.slider), kIdSlider, events))) {
        (*slider_)->put_BackColor(GetSysColor(COLOR_BTNFACE));
        (*slider_)->put_SliderType(SlideRuler);
        (*slider_)->put_BarColor(RGB(46, 95, 158));
        slider_->SetRange(model_.SliderMin(), model_.SliderMax());
        slider_->SetValue(model_.SliderValue());
        input = slider_->Window();
      } else {
        slider_.reset();  // without kvslide.dll the panel stays empty and only Cancel is of use
      }
      sliderLabel_ = Label(model_.SliderLabel(), layout_.sliderLabel, kIdSliderLabel);
      break;
    }
    case SettingPanel::None:
      break;
  }
  // Tab order: the input first, then OK and Cancel.
  for (HWND stop : {GetDlgItem(hwnd_, kIdCancel), ok_, input}) {
    if (stop) SetWindowPos(stop, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void SettingDialogWindow::FocusInput() {
  switch (model_.Panel()) {
    case SettingPanel::Text:
      SetFocus(text_);
      SendMessageA(text_, EM_SETSEL, 0, -1);
      break;
    case SettingPanel::UpDown: SetFocus(upDown_->EditWindow()); break;
    case SettingPanel::Slider:
      if (slider_) {
        SetFocus(slider_->Window());
        break;
      }
      SetFocus(GetDlgItem(hwnd_, kIdCancel));
      break;
    case SettingPanel::None: SetFocus(GetDlgItem(hwnd_, kIdCancel)); break;
  }
}

void SettingDialogWindow::PlaceOverOwner(HWND owner) { controls::CenterOverOwner(hwnd_, owner); }

void SettingDialogWindow::RunModalLoop() {
  controls::RunModalLoop(hwnd_, [this] { return model_.Closed(); }, [this] { model_.PressCancel(); });
}

void SettingDialogWindow::ShowOkState() {
  if (ok_) EnableWindow(ok_, model_.OkEnabled() ? TRUE : FALSE);
}

void SettingDialogWindow::OnSlideChange() {
  if (!slider_) return;
  model_.SlideChanged(slider_->Value());
  if (sliderLabel_) SetWindowTextA(sliderLabel_, model_.SliderLabel().c_str());
  ShowOkState();
}

void SettingDialogWindow::OnCommand(int id, int code) {
  switch (id) {
    case kIdText:
      if (code == EN_CHANGE) {
        model_.TextChanged(WindowText(text_));
        ShowOkState();
      }
      break;
    case kIdOk:
      // Enter reaches here even while the button is disabled; the model refuses then.
      model_.PressOk();
      break;
    case kIdCancel: model_.PressCancel(); break;  // also Escape
    default: break;
  }
}

LRESULT CALLBACK SettingDialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<SettingDialogWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<SettingDialogWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT SettingDialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    default: {
      LRESULT result = 0;
      if (controls::HandleModalDialogMessage(message, kIdOk, model_, &result)) return result;
      return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
  }
}

}  // namespace kv
