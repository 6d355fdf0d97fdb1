// The options dialog's window (see options_dialog_window.h).
#include "app/mainwin/options/win32/options_dialog_window.h"

#include <commctrl.h>

#include <cctype>

#include "app/controls/win32/modal_window.h"
#include "app/controls/win32/window_text.h"
#include "app/mainwin/core/bar_model.h"
#include "app/mainwin/core/localise_form.h"
#include "app/mainwin/options/core/password_rules.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

// The designed captions (string ids), localised when the dialog is made.
struct OptionsDialogWindow::Captions {
  std::string form = "829";
  std::vector<std::string> tabs = {"830", "831"};
  std::string optionsFrame = "835", password = "836", sideBarFrame = "837", controlsFrame = "838";
  std::array<std::string, 2> passwordLabels = {"855", "856"};
  std::string styleLabel = "860";
  std::vector<std::string> styles = {"865", "866", "867"};
  std::array<std::string, kColourButtonCount> colourLabels = {"861", "862", "863", "864"};
  std::array<std::string, kOptionCheckCount> checks = {"845", "846", "847", "848", "849", "870", "871", "872"};
  std::array<std::string, 3> buttons = {"500", "501", "502"};

  void Localise(const Texts& texts) {
    FormTexts form;
    form.Caption = &this->form;
    form.ControlCaptions = {&optionsFrame, &password, &sideBarFrame, &controlsFrame, &styleLabel};
    for (std::string& s : passwordLabels) form.ControlCaptions.push_back(&s);
    for (std::string& s : colourLabels) form.ControlCaptions.push_back(&s);
    for (std::string& s : checks) form.ControlCaptions.push_back(&s);
    for (std::string& s : buttons) form.ControlCaptions.push_back(&s);
    form.ComboEntries = {&styles};
    for (std::string& s : tabs) form.TabCaptions.push_back(&s);
    LocaliseForm(form, texts);
  }
};

namespace {

constexpr int kAllTabs = -1;
constexpr char kPasswordChar = '#';

HINSTANCE ThisModule() { return GetModuleHandleA(nullptr); }

int CheckIndex(int id) { return id - kIdOptionCheck; }

}  // namespace

OptionsDialogWindow::OptionsDialogWindow(OptionsModel& model, OptionsDialogServices services)
    : model_(model), services_(std::move(services)), layout_(LayoutOptionsDialog()) {}

OptionsDialogWindow::~OptionsDialogWindow() { Release(); }

void OptionsDialogWindow::Release() {
  for (auto& button : colourButtons_) button.reset();  // their windows go with them
  if (hwnd_) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

void ShowOptionsDialog(HWND owner, OptionsModel& model, const OptionsDialogServices& services) {
  OptionsDialogWindow window(model, services);
  window.Run(owner);
}

void OptionsDialogWindow::Run(HWND owner) {
  model_.Load();
  if (!Create(owner)) {
    model_.EndLoad();
    model_.PressCancel();
    return;
  }
  model_.EndLoad();
  const bool ownerEnabled = owner && IsWindowEnabled(owner);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  model_.SetVisible();
  SetFocus(GetDlgItem(hwnd_, kIdOptionCheck));
  RunModalLoop();
  // The owner is enabled again before the dialog goes, so that it gets the activation back.
  if (ownerEnabled) EnableWindow(owner, TRUE);
  Release();
}

bool OptionsDialogWindow::Create(HWND owner) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  RegisterWindowClassOnce(kOptionsDialogClass, &OptionsDialogWindow::Procedure);
  Captions captions;
  captions.Localise(services_.texts);

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame = {0, 0, layout_.ClientWidth, layout_.ClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  if (!CreateWindowExA(exStyle, kOptionsDialogClass, captions.form.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                       frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, ThisModule(), this))
    return false;
  PlaceOverOwner(owner);

  tab_ = Child(WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, layout_.Tab, kIdOptionsTab, kAllTabs);
  tabCaptions_ = captions.tabs;
  for (std::size_t i = 0; i < tabCaptions_.size(); ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &tabCaptions_[i][0];
    SendMessageA(tab_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
  }
  CreateGeneralPage(captions);
  CreateAppearancePage(captions);
  CreateButtons(captions);
  // Frames and the tab control lie under the pages' controls: those must get the mouse and paint on top.
  for (int id : {kIdOptionsFrame, kIdPasswordFrame, kIdSideBarFrame, kIdControlsFrame, kIdOptionsTab})
    SetWindowPos(GetDlgItem(hwnd_, id), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowTab(model_.Tab());
  ShowPasswordState();
  ShowApplyState();
  return true;
}

HWND OptionsDialogWindow::Child(const char* className, const std::string& text, DWORD style, const OptionsRect& box,
                                int id, int tab, DWORD exStyle) {
  HWND child = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | style, box.Left, box.Top, box.Width(),
                               box.Height(), hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(),
                               nullptr);
  if (!child) return nullptr;
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  if (tab == kAllTabs) ShowWindow(child, SW_SHOW);
  else pageControls_.push_back({child, tab});
  return child;
}

void OptionsDialogWindow::CreateGeneralPage(const Captions& c) {
  // Creation order is tab order: frames are made first and never take the focus.
  Child("BUTTON", c.optionsFrame, BS_GROUPBOX | WS_CLIPSIBLINGS, layout_.OptionsFrame, kIdOptionsFrame, 0);
  for (int i = 0; i < kCheckDlgFade; ++i) {
    const int state = model_.Check(i);
    HWND box = Child("BUTTON", c.checks[i], (state == kGreyed ? BS_3STATE : BS_AUTOCHECKBOX) | WS_TABSTOP,
                     layout_.Checks[i], kIdOptionCheck + i, 0);
    SendMessageA(box, BM_SETCHECK, state == kGreyed ? BST_INDETERMINATE : state == kTicked ? BST_CHECKED : 0, 0);
    EnableWindow(box, model_.CheckEnabled(i) ? TRUE : FALSE);
  }
  Child("BUTTON", "", BS_GROUPBOX | WS_CLIPSIBLINGS, layout_.PasswordFrame, kIdPasswordFrame, 0);
  OptionsRect checkBox = layout_.PasswordCheck;  // as wide as its caption, so the frame line shows beside it
  const int captionWidth = ui::TextWidth(hwnd_, ui::NormalFont(), CaptionDisplayText(c.password)) + 24;
  if (captionWidth < checkBox.Width()) checkBox.Right = checkBox.Left + captionWidth;
  HWND check2 = Child("BUTTON", c.password, BS_AUTOCHECKBOX | WS_TABSTOP, checkBox, kIdPasswordCheck, 0);
  SendMessageA(check2, BM_SETCHECK, model_.PasswordTicked() ? BST_CHECKED : BST_UNCHECKED, 0);
  for (int i = 0; i < 2; ++i) {
    passwordLabels_[i] = Child("STATIC", c.passwordLabels[i], SS_LEFT, layout_.PasswordLabels[i], kIdPasswordLabel + i, 0);
    passwordBoxes_[i] = Child("EDIT", "", ES_PASSWORD | ES_AUTOHSCROLL | WS_TABSTOP, layout_.PasswordBoxes[i],
                              kIdPasswordBox + i, 0, WS_EX_CLIENTEDGE);
    SendMessageA(passwordBoxes_[i], EM_SETPASSWORDCHAR, static_cast<WPARAM>(kPasswordChar), 0);
    SendMessageA(passwordBoxes_[i], EM_LIMITTEXT, kPasswordMaxLength, 0);
    SetWindowTextA(passwordBoxes_[i], model_.PasswordText(i).c_str());  // a change under the loading flag
  }
  Child("BUTTON", "?", BS_PUSHBUTTON | WS_TABSTOP, layout_.PasswordHelp, kIdPasswordHelp, 0);
}

void OptionsDialogWindow::CreateAppearancePage(const Captions& c) {
  Child("BUTTON", c.sideBarFrame, BS_GROUPBOX | WS_CLIPSIBLINGS, layout_.SideBarFrame, kIdSideBarFrame, 1);
  Child("STATIC", c.styleLabel, SS_LEFT, layout_.StyleLabel, kIdStyleLabel, 1);
  HWND combo = Child("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, layout_.StyleCombo, kIdStyleCombo, 1);
  for (const std::string& entry : c.styles) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(model_.BackStyle()), 0);
  for (int i = 0; i < kColourButtonCount; ++i) {
    Child("STATIC", c.colourLabels[i], SS_LEFT, layout_.ColourLabels[i], kIdColourLabel + i, 1);
    auto button = std::make_unique<controls::CoolButton>();
    button->SetCaption("");
    button->SetViewImage(false);
    button->SetActiveOver(false);  // a colour field always shows its frame
    const OptionsRect& r = layout_.ColourButtons[i];
    HWND window = button->Create(hwnd_, RECT{r.Left, r.Top, r.Right, r.Bottom}, kIdColourButton + i, WS_TABSTOP);
    pageControls_.push_back({window, 1});
    colourButtons_[i] = std::move(button);
    ShowColour(i);
  }
  Child("BUTTON", c.controlsFrame, BS_GROUPBOX | WS_CLIPSIBLINGS, layout_.ControlsFrame, kIdControlsFrame, 1);
  for (int i = kCheckDlgFade; i < kOptionCheckCount; ++i) {
    HWND box = Child("BUTTON", c.checks[i], BS_AUTOCHECKBOX | WS_TABSTOP, layout_.Checks[i], kIdOptionCheck + i, 1);
    SendMessageA(box, BM_SETCHECK, model_.Check(i) == kTicked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void OptionsDialogWindow::CreateButtons(const Captions& c) {
  const int ids[] = {IDOK, IDCANCEL, kIdOptionsApply};
  for (int i = 0; i < 3; ++i) {
    HWND button = Child("BUTTON", c.buttons[i], (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP,
                        layout_.Buttons[i], ids[i], kAllTabs);
    if (ids[i] == kIdOptionsApply) apply_ = button;
  }
}

void OptionsDialogWindow::PlaceOverOwner(HWND owner) { controls::CenterOverOwner(hwnd_, owner); }

void OptionsDialogWindow::RunModalLoop() {
  controls::RunModalLoop(hwnd_, [this] { return model_.Closed(); }, [this] { model_.PressCancel(); },
                         [this](const MSG& msg) { return TranslateTabKey(msg); });
}

// Alt + a tab caption's access key and Ctrl+Tab switch the tab, as they would on SSTab.
bool OptionsDialogWindow::TranslateTabKey(const MSG& msg) {
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    SelectTab((model_.Tab() + 1) % kOptionsTabCount);
    return true;
  }
  if (msg.message != WM_SYSCHAR) return false;
  // Upper-cased as CaptionAccessKey does.
  const char key = static_cast<char>(std::toupper(static_cast<int>(msg.wParam & 0xFF)));
  for (std::size_t i = 0; i < tabCaptions_.size(); ++i) {
    if (CaptionAccessKey(tabCaptions_[i]) == key) {
      SelectTab(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void OptionsDialogWindow::SelectTab(int tab) {
  SendMessageA(tab_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
  if (model_.ChangeTab(tab) && services_.playSound) services_.playSound(1);
  ShowTab(model_.Tab());
}

void OptionsDialogWindow::ShowTab(int tab) {
  for (const auto& [control, onTab] : pageControls_) ShowWindow(control, onTab == tab ? SW_SHOW : SW_HIDE);
  // The frames do not paint their inside: the whole page is redrawn so nothing of the other tab stays.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  HWND focus = GetFocus();
  if (!focus || !IsWindowVisible(focus)) SetFocus(tab_);
}

void OptionsDialogWindow::ShowPasswordState() {
  const BOOL enabled = model_.PasswordBoxesEnabled() ? TRUE : FALSE;
  for (int i = 0; i < 2; ++i) {
    EnableWindow(passwordBoxes_[i], enabled);
    EnableWindow(passwordLabels_[i], enabled);
  }
}

void OptionsDialogWindow::ShowColour(int button) {
  const controls::Colour colour = model_.Colour(button);
  colourButtons_[button]->SetColours(colour, colour, 0, 0);
}

void OptionsDialogWindow::ShowApplyState() {
  const bool enabled = model_.ApplyEnabled();
  // A button greyed while it has the focus would leave the dialog without one.
  if (!enabled && GetFocus() == apply_) SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(hwnd_, IDOK)), TRUE);
  EnableWindow(apply_, enabled ? TRUE : FALSE);
}

void OptionsDialogWindow::Report(const OptionsMessage& message) {
  if (message.Text == 0 || !services_.showMessage) return;
  services_.showMessage(services_.texts(message.Headline), services_.texts(message.Text), model_.FadeMessages(), hwnd_);
}

void OptionsDialogWindow::OnColourButton(int button) {
  std::uint32_t colour = model_.Colour(button);
  if (!services_.chooseColour || !services_.chooseColour(hwnd_, &colour)) return;
  model_.ColourChosen(button, colour);
  ShowColour(button);
}

void OptionsDialogWindow::OnOk() {
  OptionsMessage message;
  model_.PressOk(&message);
  if (services_.applied) services_.applied();
  Report(message);
}

void OptionsDialogWindow::OnApply() {
  OptionsMessage message;
  model_.PressApply(&message);
  if (services_.applied) services_.applied();
  Report(message);
}

void OptionsDialogWindow::OnCommand(int id, int code) {
  if (id >= kIdOptionCheck && id < kIdOptionCheck + kOptionCheckCount) {
    if (code == BN_CLICKED)
      model_.SetCheck(CheckIndex(id), SendMessageA(GetDlgItem(hwnd_, id), BM_GETCHECK, 0, 0) == BST_CHECKED);
  } else if (id == kIdPasswordCheck) {
    if (code == BN_CLICKED) {
      const bool focus = model_.SetPasswordTicked(IsDlgButtonChecked(hwnd_, id) == BST_CHECKED);
      ShowPasswordState();
      if (focus) SetFocus(passwordBoxes_[0]);
    }
  } else if (id == kIdPasswordHelp) {
    if (code == BN_CLICKED) Report({kPasswordHeadlineText, kPasswordNoteText});
  } else if (id == kIdPasswordBox || id == kIdPasswordBox + 1) {
    if (code == EN_CHANGE) model_.EditPassword(id - kIdPasswordBox, WindowText(GetDlgItem(hwnd_, id)));
  } else if (id == kIdStyleCombo) {
    if (code == CBN_SELCHANGE)
      model_.SelectBackStyle(static_cast<int>(SendMessageA(GetDlgItem(hwnd_, id), CB_GETCURSEL, 0, 0)));
  } else if (id >= kIdColourButton && id < kIdColourButton + kColourButtonCount) {
    if (code == BN_CLICKED) OnColourButton(id - kIdColourButton);
  } else if (id == IDOK) {
    OnOk();
  } else if (id == IDCANCEL) {
    model_.PressCancel();  // also Escape
  } else if (id == kIdOptionsApply) {
    OnApply();
  }
  ShowApplyState();
}

LRESULT CALLBACK OptionsDialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = WindowObject<OptionsDialogWindow>(hwnd, message, lParam);
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCCREATE) self->hwnd_ = hwnd;
  if (message == WM_NCDESTROY) {
    DetachWindowObject(hwnd);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT OptionsDialogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lParam)->idFrom == kIdOptionsTab &&
          reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(TCN_SELCHANGE))
        SelectTab(static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0)));
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default: {
      LRESULT result = 0;
      if (controls::HandleModalDialogMessage(message, IDOK, model_, &result)) return result;
      return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
  }
}

}  // namespace kv
