// Restore window (see restore_window.h).
#include "app/restore/win32/restore_window.h"

#include "app/controls/win32/system_function.h"
#include "app/pages/win32/page_buttons.h"
#include "app/pages/win32/tab_strip_window.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"
#include "app/restore/win32/restore_list.h"
#include "app/restore/win32_current_account.h"

namespace kv {

namespace {
const char kClassName[] = "KvRestorePage";
constexpr int kTabStripId = 100;
constexpr int kListId = 200;
constexpr UINT kReturnToTool = WM_APP + 2;  // posted by Cancel: the window is unloaded outside its button's click
constexpr int kMargin = 8;
constexpr int kButtonRow = 34;
constexpr int kProfileButtonWidth = 120;

// PathCompactPathA from shlwapi, loaded on first use (the program does not load shlwapi at start).
std::string CompactPath(HDC dc, const std::string& path, int widthPixels) {
  using CompactFn = BOOL(WINAPI*)(HDC, LPSTR, UINT);
  static const auto compact = SystemFunction<CompactFn>("shlwapi.dll", "PathCompactPathA");
  if (!compact || widthPixels <= 0 || path.size() >= MAX_PATH) return path;
  char buffer[MAX_PATH];
  lstrcpynA(buffer, path.c_str(), MAX_PATH);
  compact(dc, buffer, static_cast<UINT>(widthPixels));
  return buffer[0] ? std::string(buffer) : path;
}
}  // namespace

RestoreWindow::RestoreWindow(RestoreHost& host, const RestoreRequest& request)
    : host_(host),
      model_(host.CurrentProfilePath(), host.UndoFilePath(), host.Files(), host.Functions(),
             [&host](int id) { return host.Text(id); }) {
  model_.SetCurrentUser(CurrentAccountName());
  model_.Open(request);
}

RestoreWindow* RestoreWindow::Create(HWND parent, RestoreHost& host, const RestoreRequest& request) {
  RegisterWindowClassOnce(kClassName, &RestoreWindow::Proc);
  auto* self = new RestoreWindow(host, request);
  if (!CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "UNDO", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 100, 100, parent,
                       nullptr, GetModuleHandleA(nullptr), self)) {
    delete self;
    return nullptr;
  }
  self->Build();
  return self;
}

void RestoreWindow::Build() {
  tabs_ = TabStripWindow::Create(hwnd_, kTabStripId, {host_.Text(810)}, [](int) {});
  heading_ = CreateWindowExA(0, "STATIC", model_.Texts().Heading.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 10,
                             10, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(heading_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::BoldFont()), FALSE);
  profileBox_ = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "",
                                WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE, 0, 0, 10, 10,
                                hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kProfileBoxId)),
                                GetModuleHandleA(nullptr), nullptr);
  SendMessageA(profileBox_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  list_ = RestoreList::Create(hwnd_, kListId);
  if (list_) list_->SetTitle(model_.Texts().ListTitle);
  const int captions[5] = {815, 816, 0, 817, 818};
  for (int i = 0; i < 5; ++i) {
    const std::string caption = captions[i] ? host_.Text(captions[i]) : std::string();
    HICON icon = i == kHelp - kChooseProfile ? LoadIcon(nullptr, IDI_QUESTION) : nullptr;
    buttons_[i] = CreateCoolButton(hwnd_, kChooseProfile + i, caption, icon);
  }
  ShowProfileState();
  Layout();
}

void RestoreWindow::LoadProfile() {
  model_.LoadProfile(*this);
  ShowProfileState();
}

std::string RestoreWindow::ProfileBoxText() const {
  switch (model_.BoxKind()) {
    case ProfileBoxKind::None: return host_.Text(158);
    case ProfileBoxKind::Master: return host_.Text(153);
    case ProfileBoxKind::File: {
      RECT box;
      GetClientRect(profileBox_, &box);
      HDC dc = GetDC(profileBox_);
      HGDIOBJ old = SelectObject(dc, ui::NormalFont());
      const std::string shown = CompactPath(dc, model_.CurrentPath(), box.right - 5);
      SelectObject(dc, old);
      ReleaseDC(profileBox_, dc);
      return shown;
    }
    case ProfileBoxKind::Empty: break;
  }
  return std::string();
}

void RestoreWindow::ShowProfileState() {
  SetWindowTextA(profileBox_, ProfileBoxText().c_str());
  if (auto& start = buttons_[kStartRestore - kChooseProfile]) start->SetVisible(model_.RestoreShown());
  if (auto& master = buttons_[kMasterProfile - kChooseProfile]) master->SetEnabled(host_.MasterProfileUsable());
}

bool RestoreWindow::UseMasterInstead() {
  ShowProfileState();  // the box already says that no profile is active while the question is open
  return host_.Message(host_.Text(151), host_.Text(152), 2) == 6;
}

void RestoreWindow::MasterDamaged() {
  ShowProfileState();
  host_.Message(host_.Text(151), host_.Text(814), 0);
}

void RestoreWindow::Command(int id) {
  switch (id) {
    case kChooseProfile:
      model_.ChooseProfile(host_.OpenProfileDialog(host_.Text(156), host_.ProgramFolder() + "*.prf"), *this);
      ShowProfileState();
      break;
    case kMasterProfile:
      model_.ChooseMaster(*this);
      ShowProfileState();
      break;
    case kHelp: host_.HelpBox(host_.Text(160)); break;
    case kStartRestore: RunRestore(); break;
    case kCancel: PostMessageA(hwnd_, kReturnToTool, 0, 0); break;
    default: break;
  }
}

void RestoreWindow::RunRestore() {
  if (!model_.RestoreShown() || !list_) return;
  list_->Clear();
  host_.EnableMainWindow(false);
  lastShown_ = GetTickCount() - kProgressInterval;  // the first line shows at once
  const RestoreResult result = model_.Restore(host_.Reg(), this);
  if (!model_.Lines().empty()) ShowProgress(static_cast<int>(model_.Lines().size()) - 1, true);
  for (const FunctionRestore& f : result.Functions)
    if (f.Changed) host_.RaiseRestartNeed(f.RestartLevel);
  host_.EnableMainWindow(true);
  host_.RestoreFinished();
  SetFocus(list_->hwnd());
}

void RestoreWindow::LineAdded(const RestoreLine& line) { ShowProgress(list_->AddLine(line.Caption), false); }

void RestoreWindow::LineFinished(std::size_t index, const RestoreLine& line) {
  list_->SetSubText(static_cast<int>(index), line.SubText);
  ShowProgress(static_cast<int>(index), false);
}

void RestoreWindow::ShowProgress(int line, bool now) {
  const DWORD tick = GetTickCount();
  if (!now && tick - lastShown_ < kProgressInterval) return;
  lastShown_ = tick;
  list_->ShowLine(line);
  host_.PumpMessages();
}

void RestoreWindow::Layout() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  const int w = rc.right, h = rc.bottom;
  if (tabs_) MoveWindow(tabs_->hwnd(), kMargin, kMargin, w - 2 * kMargin, kTabStripHeight, TRUE);
  const int top = kMargin + kTabStripHeight + 10;
  const int inner = w - 4 * kMargin;
  MoveWindow(heading_, 2 * kMargin, top, inner, 18, TRUE);
  const int boxTop = top + 24;
  const int boxWidth = inner - 2 * (kProfileButtonWidth + 6);
  MoveWindow(profileBox_, 2 * kMargin, boxTop, boxWidth, 24, TRUE);
  for (int i = 0; i < 2; ++i) {
    const int left = 2 * kMargin + boxWidth + 6 + i * (kProfileButtonWidth + 6);
    if (buttons_[i]) buttons_[i]->Move(RECT{left, boxTop, left + kProfileButtonWidth, boxTop + 24});
  }
  const int listTop = boxTop + 32;
  if (list_) MoveWindow(list_->hwnd(), 2 * kMargin, listTop, inner, h - kButtonRow - 8 - listTop, TRUE);
  const int buttonTop = h - kButtonRow + 5;
  if (auto& help = buttons_[kHelp - kChooseProfile]) help->Move(RECT{kMargin, buttonTop, kMargin + 30, buttonTop + 24});
  if (auto& start = buttons_[kStartRestore - kChooseProfile])
    start->Move(RECT{w - kMargin - 2 * 96 - 6, buttonTop, w - kMargin - 96 - 6, buttonTop + 24});
  if (auto& cancel = buttons_[kCancel - kChooseProfile]) cancel->Move(RECT{w - kMargin - 96, buttonTop, w - kMargin, buttonTop + 24});
  if (model_.BoxKind() == ProfileBoxKind::File) ShowProfileState();  // the shortened path follows the width
}

void RestoreWindow::Paint() { ui::PaintPageBackground(hwnd_, kButtonRow); }

void RestoreWindow::Unload() {
  model_.Release();
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK RestoreWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowObject<RestoreWindow>(hwnd, msg, lp);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
  switch (msg) {
    case WM_SIZE: self->Layout(); return 0;
    case WM_PAINT: self->Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_COMMAND: self->Command(LOWORD(wp)); return 0;
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(wp), ui::kPageBack);
      SetTextColor(reinterpret_cast<HDC>(wp), ui::kAccentDark);
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case kReturnToTool: {
      // Unloads this window: nothing of `self` is used after the call.
      RestoreHost& host = self->host_;
      const RestoreRequest request = self->model_.Request();
      host.ReturnToTool(request.ReturnTool, request.ReturnTab);
      return 0;
    }
    case WM_NCDESTROY:
      DetachWindowObject(hwnd);
      delete self;
      return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace kv
