// Splash and password gate (see about_window.h).
#include "app/mainwin/win32/about_window.h"

#include <cctype>

#include "app/mainwin/core/startup_rules.h"
#include "app/mainwin/core/version_resource.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"

namespace kv {

namespace {
const char kClassName[] = "KvAbout";
constexpr int kWidthTwips = 5280;   // the splash is centred with half sizes 2640 x 1867
constexpr int kHeightTwips = 3734;
constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr int kOkId = 10;
constexpr int kPasswordId = 11;
const COLORREF kOrange = 0x0080FF;  // as 0x00BBGGRR
const COLORREF kWhite = 0xFFFFFF;

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// From the program's own version resource (the block stays mapped with the module).
std::string ProgramVersion() {
  const char kFallback[] = "Version 2.0.0";
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16));  // RT_VERSION
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return kFallback;
  return VersionLineFromResource(static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, found), kFallback);
}
}  // namespace

int AboutWindow::WidthTwips(const AppContext&) { return kWidthTwips; }
int AboutWindow::HeightTwips(const AppContext&) { return kHeightTwips; }

AboutWindow* AboutWindow::Create(AppContext& app, Mode mode, HWND owner, int leftTwips, int topTwips) {
  RegisterWindowClassOnce(kClassName, &AboutWindow::Proc, 0, ProgramIcon(app.Instance, false),
                          ProgramIcon(app.Instance, true));
  auto* self = new AboutWindow(app, mode);
  if (!self->Build(owner, leftTwips, topTwips)) {
    delete self;  // the window was never made (or destroyed while being made): no splash
    return nullptr;
  }
  return self;
}

// Made at its place: a move of a top-level window is a round to the display.
bool AboutWindow::Build(HWND owner, int leftTwips, int topTwips) {
  const int w = kWidthTwips / app_.TwipsPerPixelX, h = kHeightTwips / app_.TwipsPerPixelY;
  creating_ = true;
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, app_.Text(kTitleProductText).c_str(),
                                WS_POPUP | WS_BORDER, leftTwips / app_.TwipsPerPixelX, topTwips / app_.TwipsPerPixelY,
                                w, h, owner, nullptr, GetModuleHandleA(nullptr), this);
  creating_ = false;
  if (!window || !IsWindow(window)) return false;
  // Labels as filled on load.
  systemLine_ = app_.Text(kTitleSystemText + Nt4Flag(app_.OsKind));
  label2_ = app_.Text(114) + ":";
  notice_ = ExpandLineBreaks(app_.Text(105), "\r");
  version_ = ProgramVersion();
  std::string copyright = app_.Reg->RegReadString(kProductKey, "Copyright", "");
  copyright_ = IsTextSet(copyright) ? copyright : std::string();
  if (mode_ == Mode::Info) {
    okButton_ = CreateWindowExA(0, "BUTTON", ExpandLineBreaks(app_.Text(500), "").c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, w - 96, h - 38, 84, 26, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kOkId)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(okButton_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  }
  return true;
}

void AboutWindow::ShowModeless(bool activate) {
  ShowWindow(hwnd_, activate ? SW_SHOW : SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
}

// The password box exists only while the gate asks (most starts have no password).
void AboutWindow::MakePasswordBox() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  password_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | ES_PASSWORD | ES_AUTOHSCROLL, 120,
                              rc.bottom - 36, 120, 22, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPasswordId)),
                              GetModuleHandleA(nullptr), nullptr);
  SendMessageA(password_, EM_LIMITTEXT, 10, 0);
  SendMessageA(password_, EM_SETPASSWORDCHAR, '*', 0);
  SendMessageA(password_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
}

PasswordGateState AboutWindow::RunPasswordGate(const std::string& clearPassword) {
  clearPassword_ = clearPassword;
  if (!password_) MakePasswordBox();
  SetTimer(hwnd_, kBlinkTimer, 400, nullptr);
  passwordLabelVisible_ = true;
  ShowWindow(password_, SW_SHOW);
  ShowModeless();
  SetForegroundWindow(hwnd_);
  SetFocus(password_);
  HWND self = hwnd_;
  MSG msg;
  while (gate_ == kGateWaiting && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && (msg.hwnd == self || IsChild(self, msg.hwnd))) {
      gate_ = kGateRefused;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  PasswordGateState result = gate_ == kGateWaiting ? kGateRefused : gate_;
  if (result == kGateRefused) Unload();
  return result;
}

void AboutWindow::PasswordChanged() {
  char text[16] = {};
  GetWindowTextA(password_, text, sizeof text);
  if (clearPassword_.empty() || Upper(text) != Upper(clearPassword_)) return;
  KillTimer(hwnd_, kBlinkTimer);
  ShowWindow(password_, SW_HIDE);
  label2Colour_ = kWhite;
  label2_ = app_.Text(118);
  InvalidateRect(hwnd_, nullptr, FALSE);
  for (int i = 0; i < 3; ++i) PumpMessages();
  gate_ = kGateAccepted;
}


void AboutWindow::StartCloseTimer() { SetTimer(hwnd_, kCloseTimer, 1500, nullptr); }

void AboutWindow::Timer(UINT_PTR id) {
  if (id == kBlinkTimer) {
    label2Colour_ = label2Colour_ == kOrange ? kWhite : kOrange;
    InvalidateRect(hwnd_, nullptr, FALSE);
  } else if (id == kCloseTimer) {
    KillTimer(hwnd_, kBlinkTimer);
    KillTimer(hwnd_, kCloseTimer);
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Unload();
  }
}

void AboutWindow::Click() {
  if (mode_ == Mode::Splash && !passwordLabelVisible_) Unload();
}

void AboutWindow::RunModal() {
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner) EnableWindow(owner, FALSE);
  ShowModeless();
  SetFocus(okButton_);
  HWND self = hwnd_;
  MSG msg;
  while (IsWindow(self) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) &&
        (msg.hwnd == self || IsChild(self, msg.hwnd))) {
      Unload();
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (owner) {
    EnableWindow(owner, TRUE);
    SetForegroundWindow(owner);
  }
}

void AboutWindow::Unload() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void AboutWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT rc;
  GetClientRect(hwnd_, &rc);
  ui::FillGradient(dc, rc, RGB(30, 60, 108), RGB(12, 28, 56), true);
  RECT band = {0, 0, rc.right, 6};
  ui::FillSolid(dc, band, RGB(250, 190, 60));
  SetBkMode(dc, TRANSPARENT);
  RECT r = {18, 20, rc.right - 12, 48};
  SelectObject(dc, ui::HeadlineFont());
  SetTextColor(dc, RGB(255, 255, 255));
  std::string product = app_.Text(kTitleProductText);
  DrawTextA(dc, product.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  r = {18, 48, rc.right - 12, 66};
  SelectObject(dc, ui::BoldFont());
  SetTextColor(dc, RGB(250, 190, 60));
  DrawTextA(dc, systemLine_.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  r = {18, 76, rc.right - 18, rc.bottom - 80};
  SelectObject(dc, ui::NormalFont());
  SetTextColor(dc, RGB(210, 222, 240));
  DrawTextA(dc, notice_.c_str(), -1, &r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  r = {18, rc.bottom - 78, rc.right - 12, rc.bottom - 62};
  DrawTextA(dc, version_.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  r = {18, rc.bottom - 62, rc.right - 12, rc.bottom - 44};
  DrawTextA(dc, copyright_.c_str(), -1, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  if (passwordLabelVisible_) {
    r = {18, rc.bottom - 36, rc.right - 12, rc.bottom - 14};
    SelectObject(dc, ui::BoldFont());
    SetTextColor(dc, label2Colour_);
    DrawTextA(dc, label2_.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK AboutWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowObject<AboutWindow>(hwnd, msg, lp);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
  switch (msg) {
    case WM_PAINT: self->Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER: self->Timer(wp); return 0;
    case WM_LBUTTONDOWN: self->Click(); return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kPasswordId && HIWORD(wp) == EN_CHANGE) self->PasswordChanged();
      if (LOWORD(wp) == kOkId) self->Unload();
      return 0;
    case WM_DESTROY:
      if (self->mode_ == Mode::Splash) self->app_.SplashUp = false;
      return 0;
    case WM_NCDESTROY:
      DetachWindowObject(hwnd);
      self->hwnd_ = nullptr;
      if (!self->creating_) delete self;  // a window destroyed while being made is freed by Create
      return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace kv
