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
constexpr int kDetailHeight = 76;
constexpr int kExportButtonWidth = 190;

HWND CreateLabel(HWND parent, int id, const char* cls, DWORD style, DWORD exStyle) {
  HWND w = CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(ui::NormalFont()), FALSE);
  return w;
}

// The chosen name with ".reg" appended unless it already ends so (any case).
std::string WithRegExtension(const std::string& name) {
  if (name.size() >= 4) {
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (tail == ".REG") return name;
  }
  return name + ".reg";
}

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
  count_ = CreateLabel(hwnd_, kDifferingCountId, "STATIC", SS_NOPREFIX | SS_LEFTNOWORDWRAP, 0);
  detail_ = CreateLabel(hwnd_, kDetailId, "EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE);
  const int tabStops[2] = {110, 260};
  SendMessageA(detail_, EM_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabStops));
  list_ = RestoreList::Create(hwnd_, kListId);
  if (list_) {
    list_->SetTitle(model_.Texts().ListTitle);
    list_->OnSelect([this](int line) { ShowDetail(line); });
  }
  const int captions[kButtonCount] = {815, 816, 0, 817, 818, 823};
  for (int i = 0; i < kButtonCount; ++i) {
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
  ShowPreview();
}

void RestoreWindow::ShowPreview() {
  if (!list_) return;
  list_->Clear();
  lineFunctions_.clear();
  int first = -1;
  for (const PreviewLine& line : model_.Preview(host_.Reg())) {
    const int index = list_->AddLine(line.Caption);
    lineFunctions_.push_back(line.Function);
    if (line.Differs) {
      list_->SetSubText(index, host_.Text(828));
      if (first < 0) first = index;
    }
  }
  ShowDifferingCount();
  SetWindowTextA(detail_, "");
  if (first >= 0) {
    list_->ShowLine(first);
    ShowDetail(first);
  }
}

void RestoreWindow::ShowDifferingCount() {
  int differing = 0;
  for (const PreviewLine& line : model_.Preview(host_.Reg())) differing += line.Differs ? 1 : 0;
  ShowDifferingCount(differing);
}

void RestoreWindow::ShowDifferingCount(int differing) {
  const std::string text = model_.RestoreShown() ? host_.Text(826) + std::to_string(differing) : std::string();
  SetWindowTextA(count_, text.c_str());
}

void RestoreWindow::ShowDetail(int line) {
  if (line < 0 || line >= static_cast<int>(lineFunctions_.size())) return;
  detailLine_ = line;
  const PreviewLine preview = model_.PreviewOf(lineFunctions_[static_cast<std::size_t>(line)], host_.Reg());
  std::string text = host_.Text(882) + "\t" + host_.Text(883) + "\t" + host_.Text(884);
  for (const PreviewValue& v : preview.Values)
    text += "\r\n" + std::string(v.Differs ? "* " : "   ") + v.Name + "\t" + v.Stored + "\t" + v.Current;
  // Replacing the whole text as a selection: measured under Wine, about a third cheaper for this
  // multi-line edit with its scroll bar than WM_SETTEXT.
  SendMessageA(detail_, EM_SETSEL, 0, -1);
  SendMessageA(detail_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
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
  if (auto& exporter = buttons_[kExportRegFile - kChooseProfile]) exporter->SetVisible(model_.RestoreShown());
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
      ShowPreview();
      break;
    case kMasterProfile:
      model_.ChooseMaster(*this);
      ShowProfileState();
      ShowPreview();
      break;
    case kExportRegFile: ExportRegFile(); break;
    case kHelp: host_.HelpBox(host_.Text(160)); break;
    case kStartRestore: RunRestore(); break;
    case kCancel: PostMessageA(hwnd_, kReturnToTool, 0, 0); break;
    default: break;
  }
}

void RestoreWindow::RunRestore() {
  if (!model_.RestoreShown() || !list_) return;
  list_->Clear();
  lineFunctions_.clear();
  detailLine_ = -1;
  host_.EnableMainWindow(false);
  lastShown_ = GetTickCount();  // a restore shorter than one progress interval shows only its end
  host_.BatchRegistry(true);  // each value is read, written and read back: its key stays open
  const RestoreResult result = model_.Restore(host_.Reg(), this);
  if (!model_.Lines().empty()) ShowProgress(static_cast<int>(model_.Lines().size()) - 1, true);
  for (const FunctionRestore& f : result.Functions)
    if (f.Changed) host_.RaiseRestartNeed(f.RestartLevel);
  host_.EnableMainWindow(true);
  host_.RestoreFinished();
  ShowDifferingCount(result.DifferingCount());  // the restore has just read every value back
  // Selecting the last line at the end has shown its values already where the list reports selections.
  const int last = list_->LineCount() - 1;
  if (last >= 0 && detailLine_ != last) ShowDetail(last);
  host_.BatchRegistry(false);
  SetFocus(list_->hwnd());
}

void RestoreWindow::ExportRegFile() {
  if (!model_.RestoreShown()) return;
  const std::string chosen = host_.SaveRegFileDialog(host_.ProgramFolder() + "*.reg");
  if (chosen.empty()) return;
  if (!model_.ExportRegFile(WithRegExtension(chosen))) host_.Message("", host_.Text(825), 0);
}

void RestoreWindow::LineAdded(const RestoreLine& line) {
  const int index = list_->AddLine(line.Caption);
  lineFunctions_.push_back(line.Function);
  ShowProgress(index, false);
}

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
  MoveWindow(count_, 2 * kMargin, boxTop + 30, inner, 18, TRUE);
  const int listTop = boxTop + 52;
  const int detailTop = h - kButtonRow - 8 - kDetailHeight;
  if (list_) MoveWindow(list_->hwnd(), 2 * kMargin, listTop, inner, detailTop - 6 - listTop, TRUE);
  MoveWindow(detail_, 2 * kMargin, detailTop, inner, kDetailHeight, TRUE);
  const int buttonTop = h - kButtonRow + 5;
  if (auto& help = buttons_[kHelp - kChooseProfile]) help->Move(RECT{kMargin, buttonTop, kMargin + 30, buttonTop + 24});
  if (auto& exporter = buttons_[kExportRegFile - kChooseProfile])
    exporter->Move(RECT{kMargin + 36, buttonTop, kMargin + 36 + kExportButtonWidth, buttonTop + 24});
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
    case WM_COMMAND:
      if (LOWORD(wp) == kListId && self->list_) self->list_->ParentCommand(HIWORD(wp));
      else self->Command(LOWORD(wp));
      return 0;
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
