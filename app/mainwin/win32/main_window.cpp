// Main window (see main_window.h).
#include "app/mainwin/win32/main_window.h"

#include <shellapi.h>

#include <cctype>
#include <ctime>

#include "app/controls/win32/system_function.h"
#include "app/mainwin/core/bar_layout.h"
#include "app/mainwin/core/localise_form.h"
#include "app/mainwin/core/net_menu.h"
#include "app/mainwin/core/startup_rules.h"
#include "app/mainwin/core/window_placement.h"
#include "app/mainwin/options/core/options_store.h"
#include "app/mainwin/options/win32/open_program_options.h"
#include "app/mainwin/win32/about_window.h"
#include "app/mainwin/win32/bar_window.h"
#include "app/mainwin/win32/headline_window.h"
#include "app/mainwin/win32/help_topics.h"
#include "app/mainwin/win32/sound_output.h"
#include "app/pages/core/page_layouts.h"
#include "app/pages/win32/ui_theme.h"
#include "app/pages/win32/window_object.h"
#include "dialogs/include/korvndlg_client.h"

namespace kv {

namespace {
const char kClassName[] = "KvKorvaneMain";
const char kWorkBackClass[] = "KvWorkBack";
constexpr UINT_PTR kSaveInfoTimer = 1;
constexpr int kWindowWidth = 780;   // pixels
constexpr int kPageHostId = 110;    // id of the page-host tool after the first switch
const char* const kSoundFiles[] = {"Media\\FldrKlick.wav", "Media\\OverItem.wav", "Media\\CtrlKlick.wav"};

LRESULT CALLBACK WorkBackProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE) {
    if (HWND child = GetWindow(hwnd, GW_CHILD)) MoveWindow(child, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    return 0;
  }
  if (msg == WM_ERASEBKGND) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    ui::FillSolid(reinterpret_cast<HDC>(wp), rc, ui::kPageBack);
    return 1;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

Date Today() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return Date{st.wYear, st.wMonth, st.wDay};
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
}  // namespace

MainWindow* MainWindow::Create(AppContext& app) {
  RegisterWindowClassOnce(kClassName, &MainWindow::Proc, 0, ProgramIcon(app.Instance, false),
                          ProgramIcon(app.Instance, true));
  RegisterWindowClassOnce(kWorkBackClass, WorkBackProc);
  auto* self = new MainWindow(app);
  self->creating_ = true;
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                CW_USEDEFAULT, CW_USEDEFAULT, kWindowWidth, 600, nullptr, nullptr, app.Instance, self);
  self->creating_ = false;
  if (!window || !IsWindow(window)) {
    delete self;  // never made, or destroyed while being made
    return nullptr;
  }
  self->Build();
  return self;
}

void MainWindow::Build() {
  BuildMainBarLayout(bar_);
  BuildHostBarLayout(hostBar_);
  bar_.SetEvents(this);
  barWindow_ = BarWindow::Create(hwnd_, bar_, *app_.Sound);
  headline_ = HeadlineWindow::Create(barWindow_->hwnd());
  headline_->SetInfoLabel("900");
  bar_.Tool("InfoLine", "FrmSet")->HostedControl = reinterpret_cast<std::uintptr_t>(headline_->hwnd());
  Localise();
  workBack_ = CreateWindowExA(WS_EX_CONTROLPARENT, kWorkBackClass, "WorkBack", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                              0, 10, 10, barWindow_->hwnd(), nullptr, app_.Instance, nullptr);
  barWindow_->SetClientControl(workBack_);
  hostWindow_ = BarWindow::Create(workBack_, hostBar_, *app_.Sound);
  restoreHost_ = std::make_unique<AppRestoreHost>(app_, hwnd_, [this](int tool, int tab) { SwitchTool(tool, "", tab); });
  RECT rc;
  GetClientRect(hwnd_, &rc);
  MoveWindow(barWindow_->hwnd(), 0, 0, rc.right, rc.bottom, TRUE);
}

void MainWindow::Localise() {
  FormTexts form;
  form.BarTexts = BarTextsOf(bar_);
  std::string info = "900";
  form.ControlCaptions.push_back(&info);
  LocaliseForm(form, app_.Text);
  headline_->SetInfoLabel(info);
}

void MainWindow::PrepareBars() {
  if (FileExists(app_.ProgramFolder() + "Fnkedit.exe")) bar_.Tool("muDatei", "btFkt")->Visible = true;
  bar_.SetMenuAnimation(app_.Settings.MenuAnimation);
  RestoreSideBarLook(*app_.Reg, bar_);
  bar_.Tool("muDatei", "btProfWh")->Enabled = RestoreAvailable();  // checked again when the menu opens
  bar_.Tool("muDatei", "btRegExp")->Enabled = false;                 // only while the restore window shows a profile
  const int screenPixelsHigh = app_.ScreenHeightTwips / app_.TwipsPerPixelY;
  if (screenPixelsHigh < 500) {
    bar_.SetBandVisible("InfoLine", false);
    bar_.SetBandVisible("Banner", false);
    bar_.Band("Menu")->Compact = true;
  }
  bar_.SetBandVisible("Banner", false);
}

void MainWindow::SetUpInternetMenu() {
  const std::string key = std::string(kProductKey) + "\\NetMenuB";
  if (!NetMenuShown(*app_.Reg, key)) {
    bar_.Tool("Menu", "toNet")->Visible = false;
    return;
  }
  auto read = [&](const std::string& name, std::string* text) {
    std::string v = app_.Reg->RegReadString(key, name, "");
    if (v == kNoKey) return false;
    *text = v;
    return true;
  };
  for (const NetMenuEntry& e : ReadNetMenu(read, Today())) {
    BarTool* tool = bar_.AddTool("muNet", e.Id, "btNet");
    if (e.Separator) {
      tool->Style = ToolStyle::Separator;
      continue;
    }
    tool->Caption = e.Caption;
    tool->Tag = e.Target;
    tool->Picture = MenuImagePicture(e.Image);
  }
}

void MainWindow::Place() {
  barWindow_->RecalcLayout();
  RECT wr, cr;
  GetWindowRect(hwnd_, &wr);
  GetClientRect(hwnd_, &cr);
  const int tx = app_.TwipsPerPixelX, ty = app_.TwipsPerPixelY;
  const int oldHeight = wr.bottom - wr.top;
  const int heightTw = HeightForWorkBack(oldHeight * ty, barWindow_->ClientAreaHeight() * ty);
  const int widthTw = (wr.right - wr.left) * tx;
  PlacementInput in{};
  in.ScreenWidth = app_.ScreenWidthTwips;
  in.ScreenHeight = app_.ScreenHeightTwips;
  in.WindowWidth = widthTw;
  in.WindowHeight = heightTw;
  // The frame keeps its thickness: the inner size after the resize follows from the height change.
  in.InnerWidth = cr.right * tx;
  in.InnerHeight = (cr.bottom + heightTw / ty - oldHeight) * ty;
  in.SaveLastWinPos = app_.Settings.SaveLastWinPos;
  in.HasStoredLeft = ReadOptionalDword(*app_.Reg, kMainSetKey, "WinPosLeft", &in.StoredLeft);
  in.HasStoredTop = ReadOptionalDword(*app_.Reg, kMainSetKey, "WinPosTop", &in.StoredTop);
  int left = 0, top = 0;
  PlaceMainWindow(in, &left, &top);
  // One move of the top-level window: each one costs a round to the display and a relayout.
  SetWindowPos(hwnd_, nullptr, left / tx, top / ty, widthTw / tx, heightTw / ty, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowMain() {
  SetWindowTextA(hwnd_, app_.Title.c_str());
  ShowWindow(hwnd_, SW_SHOW);
  UpdateWindow(hwnd_);
}

void MainWindow::MarkCurrentSideTool() {
  BarBand* side = bar_.Band("SideBar");
  for (BarBand& group : side->Groups)
    for (BarTool& tool : group.Tools) tool.Checked = tool.Id == currentTool_;
  InvalidateRect(barWindow_->hwnd(), nullptr, FALSE);
}

void MainWindow::SwitchTool(int toolId, std::string caption, int tab) {
  if (toolId == currentTool_) return;
  // The hourglass is for a window the user waits on: the start page is built before the window shows.
  const bool shown = IsWindowVisible(hwnd_) != FALSE;
  HCURSOR oldCursor = shown ? SetCursor(LoadCursor(nullptr, IDC_WAIT)) : nullptr;
  const bool frozen = !app_.SplashUp && LockWindowUpdate(GetDesktopWindow());
  if (caption.empty()) {
    if (BarTool* tool = bar_.ToolById("SideBar", toolId)) caption = tool->Category + tool->Caption;
  }
  headline_->SetHaedLabel(CaptionDisplayText(caption));
  if (page_) {
    page_->Unload();
    page_ = nullptr;
  }
  if (restore_) {
    restore_->Unload();
    restore_ = nullptr;
  }
  hostBar_.RemoveTool("Main", "FormSet");
  BarTool* host = hostBar_.AddTool("Main", kPageHostId, "FormSet");
  host->Style = ToolStyle::ControlHost;
  if (toolId == kRestoreToolId) {
    restore_ = RestoreWindow::Create(hostWindow_->hwnd(), *restoreHost_, restoreRequest_);
    if (restore_) host->HostedControl = reinterpret_cast<std::uintptr_t>(restore_->hwnd());
  } else if (const PageLayout* layout = PageLayoutForTool(toolId)) {
    page_ = ToolPageWindow::Create(hostWindow_->hwnd(), *layout, *this);
    host->HostedControl = reinterpret_cast<std::uintptr_t>(page_->hwnd());
    page_->SetTab(tab);
  }
  hostWindow_->RecalcLayout();
  hostBar_.SetBandVisible("Main", true);
  if (shown) SetCursor(oldCursor);
  currentTool_ = toolId;
  currentTab_ = tab;
  MarkCurrentSideTool();
  for (int i = 0; i < 3; ++i) PumpMessages();
  if (frozen) LockWindowUpdate(nullptr);
}

void MainWindow::PlaySoundKind(int kind) {
  if (kind < 0 || kind > 2 || !app_.Settings.SoundEffekts || app_.Sound->WaveDevices() < 1) return;
  barWindow_->PlayWave(app_.ProgramFolder() + kSoundFiles[kind], 3);
  PumpMessages();
}

void MainWindow::HaedlineSaveInfo() {
  if (!app_.Settings.ViewSaveInfo) return;
  KillTimer(hwnd_, kSaveInfoTimer);
  // Painted at once (ShowInfo updates the headline), without dispatching other messages: a save comes
  // from inside a control's input handling (an up-down arrow, a check box), and handing that control
  // its own button release early would leave it repeating forever.
  headline_->ShowInfo(true);
  SetTimer(hwnd_, kSaveInfoTimer, 3000, nullptr);
}

std::string MainWindow::SlotFunctionHelp(int slot) const {
  if (slot < 0 || slot >= kPageFunctionSlots) return std::string();
  const FunctionRecord* f = app_.Functions.Function(app_.Functions.PageFunctionIndex[slot]);
  return f ? f->HelpText : std::string();
}

void MainWindow::ShowFunctionHelp(const std::string& helpText) {
  kvdlg::DialogClient& dialogs = DialogLibrary(app_);
  if (dialogs.Loaded()) dialogs.HlpBox(helpText, app_.Settings.DlgFade, hwnd_, "", "");
  else ShowMessage(app_, app_.Text(465), helpText, app_.Settings.DlgFade, hwnd_, 0);
}

void MainWindow::OpenRestore(int page, int functionNumber) { OpenRestoreWindow(RestoreMode::Single, page, functionNumber); }

// The restore window remembers where it was opened from; it loads its profile once it is shown.
void MainWindow::OpenRestoreGroup(int group, const std::string& tabCaption) {
  OpenRestoreWindow(RestoreMode::Group, group, 0, tabCaption);
}

void MainWindow::OpenRestoreWindow(RestoreMode mode, int page, int functionNumber, const std::string& tabCaption) {
  if (currentTool_ == kRestoreToolId) return;  // neither the File menu nor a tree menu offers it there
  restoreRequest_ =
      RestoreRequest{mode, page, functionNumber, currentTool_, currentTab_, headline_->HaedLabel(), tabCaption};
  SwitchTool(kRestoreToolId, restoreHost_->Headline(restoreRequest_), 0);
  if (restore_) restore_->LoadProfile();
}

void MainWindow::ShowTreeMenu(const TreeMenuState& state) {
  struct {
    const char* Name;
    bool Enabled;
  } tools[] = {{"btFktInf", state.FktInf}, {"btUndo", state.Undo}, {"btNormal", state.Normal},
               {"btBaum", state.Baum}, {"btPlusMinus", state.PlusMinus}};
  for (const auto& t : tools) {
    BarTool* tool = bar_.Tool("TreeViewStyle", t.Name);
    tool->Enabled = t.Enabled;
    tool->Checked = tool->Id == state.CheckedId;
  }
  barWindow_->PopupBand("TreeViewStyle");
}

void MainWindow::OpenFile(const std::string& file, const std::string& parameters, const std::string& folder) {
  // The shell library is loaded on the first file opened, not at start.
  using ExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static const auto execute = SystemFunction<ExecuteFn>("shell32.dll", "ShellExecuteA");
  if (!execute) return;
  execute(hwnd_, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
          folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
}

void MainWindow::ShowInfoBox() {
  RECT wr;
  GetWindowRect(hwnd_, &wr);
  const int tx = app_.TwipsPerPixelX, ty = app_.TwipsPerPixelY;
  AboutWindow* about = AboutWindow::Create(app_, AboutWindow::Mode::Info, hwnd_,
                                           wr.left * tx + (wr.right - wr.left) * tx / 2 - kAboutHalfWidth,
                                           wr.top * ty + (wr.bottom - wr.top) * ty / 2 - kAboutHalfHeight);
  if (!about) return;
  about->RunModal();
}

void MainWindow::ToolClick(const BarBand& band, const BarTool& tool) {
  (void)band;
  const std::string& name = tool.Name;
  if (name == "btFkt") {
    OpenFile(app_.ProgramFolder() + "Fnkedit.exe", "", "");
  } else if (name == "btFktInf" || name == "btUndo" || name == "btNormal" || name == "btBaum" || name == "btPlusMinus") {
    if (page_) page_->PopupMenuClick(tool.Id);
  } else if (name == "btOpt") {
    OpenProgramOptions(app_, bar_, hwnd_, [this] { barWindow_->RecalcLayout(); },
                       [this](int kind) { PlaySoundKind(kind); });
  } else if (name == "btEnd") {
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  } else if (name == "btInfo") {
    ShowInfoBox();
  } else if (name.size() == 3 && name[0] == 's' && name[1] == 'b' && name[2] >= '1' && name[2] <= '7') {
    if (tool.Id != currentTool_) PlaySoundKind(2);
    SwitchTool(tool.Id, tool.Category + tool.Caption, 0);
  } else if (name == "btProfWh") {
    OpenRestoreWindow(RestoreMode::All, currentTab_, 0);
  } else if (name == "btProf") {
    restoreHost_->CreateProfile();
  } else if (name == "btRegExp") {
    if (restore_) restore_->ExportRegFile();
  } else if (name == "btThems") {
    OpenHelpTopics(app_, hwnd_,
                   [this](const std::string& file, const std::string& folder) { OpenFile(file, "", folder); });
  } else if (name == "btNet") {
    if (IsUpdateTarget(tool.Tag)) OpenFile(app_.ProgramFolder() + "NETFETCH.EXE", "Software\\Quorbel\\Korvane2k", "");
    else OpenFile(tool.Tag, "", "");
  }
  // Other names do nothing.
}

void MainWindow::BandOpen(const BarBand& band, bool* cancel) {
  if (band.Name == kCustomizeBand) *cancel = true;
  if (band.Name == "muDatei") {
    const bool undoHosted = restore_ != nullptr;
    bar_.Tool("muDatei", "btProfWh")->Enabled = RestoreAvailable() && !undoHosted;
    bar_.Tool("muDatei", "btRegExp")->Enabled = undoHosted && restore_->Model().RestoreShown();
  }
}

void MainWindow::GroupChange(int) { PlaySoundKind(0); }

void MainWindow::Exit(ExitCause cause) {
  if (exited_) return;
  exited_ = true;
  Registry& reg = *app_.Reg;
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(hwnd_, &wp);
  RECT wr;
  GetWindowRect(hwnd_, &wr);
  const int tx = app_.TwipsPerPixelX, ty = app_.TwipsPerPixelY;
  const bool normal = !IsIconic(hwnd_) && !IsZoomed(hwnd_);
  ExitPositions p = PositionsAtExit(normal, {wr.left * tx, wr.top * ty, (wr.right - wr.left) * tx, (wr.bottom - wr.top) * ty});
  if (p.Write) {
    reg.RegWriteDword(kMainSetKey, "WinPosLeft", p.WinLeft);
    reg.RegWriteDword(kMainSetKey, "WinPosTop", p.WinTop);
    reg.RegWriteDword(kMainSetKey, "AboutPosLeft", p.AboutLeft);
    reg.RegWriteDword(kMainSetKey, "AboutPosTop", p.AboutTop);
  }
  // The restore window is opened for a request, never as the start page: the next start shows its return tool.
  WriteExitSettings(reg, app_.Settings, restore_ ? restoreRequest_.ReturnTool : currentTool_,
                    restore_ ? restoreRequest_.ReturnTab : currentTab_);
  ExitQuestion question{};
  if (AsksAtExit(cause) && ExitQuestionFor(app_.Engine->DecideExit(), &question)) {
    if (ShowMessage(app_, app_.Text(question.TitleText), app_.Text(question.MessageText), app_.Settings.DlgFade, hwnd_,
                    2) == 6)
      app_.HelperCommand = HelperCommandLine(app_.Engine->Paths().SystemFolder(), question.Switch);
  }
  if (page_) {
    page_->Unload();
    page_ = nullptr;
  }
  if (restore_) {
    restore_->Unload();
    restore_ = nullptr;
  }
  app_.Engine->SetSaveInfoCallback(nullptr);
  DestroyWindow(hwnd_);
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (barWindow_) MoveWindow(barWindow_->hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_TIMER:
      if (wp == kSaveInfoTimer) {
        headline_->ShowInfo(false);
        KillTimer(hwnd_, kSaveInfoTimer);
      }
      return 0;
    case WM_SYSCHAR:
      if (barWindow_ && barWindow_->OpenMenuByKey(static_cast<char>(std::toupper(static_cast<int>(wp))))) return 0;
      break;
    case WM_CLOSE: Exit(ExitCause::UserClose); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
      if (wp) Exit(ExitCause::WindowsEnding);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowObject<MainWindow>(hwnd, msg, lp);
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCCREATE) self->hwnd_ = hwnd;
  if (msg == WM_NCDESTROY) {
    DetachWindowObject(hwnd);
    if (!self->creating_) delete self;  // a window destroyed while being made is freed by Create
    return 0;
  }
  return self->Handle(msg, wp, lp);
}

}  // namespace kv
