// Start-up order of the main program (see startup.h).
#include "app/mainwin/win32/startup.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/catalogue/read_cache_store.h"
#include "app/catalogue/file_system.h"
#include "app/catalogue/win32_registry_store.h"
#include "app/engine/win32_platform_folders.h"
#include "app/mainwin/core/scramble_text.h"
#include "app/mainwin/core/startup_rules.h"
#include "app/mainwin/core/window_placement.h"
#include "app/mainwin/win32/about_window.h"
#include "app/mainwin/win32/app_context.h"
#include "app/mainwin/win32/main_window.h"
#include "app/mainwin/win32/single_instance.h"
#include "app/mainwin/win32/sound_output.h"

namespace kv {

namespace {
TextLookup ResourceTexts(HINSTANCE instance) {
  return [instance](int id) {
    char buffer[4096];
    int n = LoadStringA(instance, static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? n : 0);
  };
}

void MeasureScreen(AppContext& app) {
  HDC dc = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  app.TwipsPerPixelX = dpiX > 0 ? 1440 / dpiX : 15;
  app.TwipsPerPixelY = dpiY > 0 ? 1440 / dpiY : 15;
  app.ScreenWidthTwips = GetSystemMetrics(SM_CXSCREEN) * app.TwipsPerPixelX;
  app.ScreenHeightTwips = GetSystemMetrics(SM_CYSCREEN) * app.TwipsPerPixelY;
}

int QueryOsKind() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  const bool ok = GetVersionExA(&info) != FALSE;
  return OsKindFromVersion(ok, info.dwPlatformId, info.dwMajorVersion);
}

// Splash placement and password gate. False when the password was refused (the program ends).
bool SplashAndPasswordGate(AppContext& app, AboutWindow** splash) {
  int left = (app.ScreenWidthTwips - AboutWindow::WidthTwips(app)) / 2;
  int top = (app.ScreenHeightTwips - AboutWindow::HeightTwips(app)) / 2;
  if (ReadBool(*app.Reg, kMainSetKey, "SaveLastWinPos", true)) {
    ReadOptionalDword(*app.Reg, kMainSetKey, "AboutPosLeft", &left);
    ReadOptionalDword(*app.Reg, kMainSetKey, "AboutPosTop", &top);
  }
  AboutWindow* about = AboutWindow::Create(app, AboutWindow::Mode::Splash, nullptr, left, top);
  // Without its window the gate cannot ask: a set password then refuses the start.
  if (!about) return ReadStoredPassword(*app.Reg).empty();
  const std::string stored = ReadStoredPassword(*app.Reg);
  if (!stored.empty()) {
    app.SplashUp = true;
    HWND splashWindow = about->hwnd();
    if (about->RunPasswordGate(ScrambleText(stored, kUnscramble)) != kGateAccepted) {
      ShowMessage(app, app.Text(114), app.Text(115), false, IsWindow(splashWindow) ? splashWindow : nullptr, 0);
      return false;
    }
    *splash = about;
    return true;
  }
  if (ReadBool(*app.Reg, kMainSetKey, "ViewAppLogo", true)) {
    app.SplashUp = true;
    about->ShowModeless(false);
    for (int i = 0; i < 3; ++i) PumpMessages();
    *splash = about;
    return true;
  }
  about->Unload();
  return true;
}

std::string Filter(const std::string& description, const char* pattern) {
  std::string f = description;
  f += '\0';
  f += pattern;
  f += '\0';
  return f;
}
}  // namespace

int RunMainProgram(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the kvTreeView control is a COM object
  // Start-up reads many values of few keys: the keys stay open until the main window is shown.
  ReadCacheStore startupReads(SystemRegistryStore());
  Registry registry(startupReads);
  AppContext app;
  app.Instance = instance;
  app.Reg = &registry;
  app.RegBatch = &startupReads;
  app.Sound = &SystemSoundOutput();

  // 1. Language.
  app.Text = Texts(ResourceTexts(instance), LanguageOffset(registry.RegReadDword(kProductKey, "Language", 0)));
  // 2. Path variables.
  app.Engine = std::make_unique<FunctionEngine>(registry, app.Functions);
  app.Engine->InitPathVariables(ReadPlatformFolders());
  // 3. Screen; 4. system kind; 5. title.
  MeasureScreen(app);
  app.OsKind = QueryOsKind();
  app.Title = app.Text(kTitleProductText) + app.Text(kTitleSystemText + Nt4Flag(app.OsKind));
  app.Settings = ReadProgramSettings(registry);
  // 6. Single instance.
  if (AnotherInstanceRuns()) {
    HandOverToFirstInstance(app.Title);
    return 0;
  }
  // 7. Splash and password gate.
  AboutWindow* splash = nullptr;
  if (!SplashAndPasswordGate(app, &splash)) return 0;
  HWND splashWindow = splash ? splash->hwnd() : nullptr;
  // 8. Function catalogue.
  StdioFileSystem files;
  if (LoadCatalogue(registry, files, app.Engine->Paths().ProgramFolder(), app.Engine->Paths().UndoFilePath(),
                    &app.Functions) != CatalogueLoadResult::Loaded) {
    if (IsWindow(splashWindow)) splash->Unload();
    ShowMessage(app, "", app.Text(101), app.Settings.DlgFade, nullptr, 0);
    return 0;
  }
  // 9. and 10. Internet menu and main window.
  MainWindow* main = MainWindow::Create(app);
  if (!main) {
    if (IsWindow(splashWindow)) splash->Unload();
    return 0;
  }
  app.Engine->SetSaveInfoCallback([main] { main->HaedlineSaveInfo(); });
  main->SetUpInternetMenu();
  main->PrepareBars();
  main->Place();
  app.AllFilesFilter = Filter(app.Text(107), "*.*");
  app.ProfileFilter = Filter(app.Text(146), "*.prf");
  const StartPage start = ChooseStartPage(app.Settings.ViewLastTool, app.Settings.LastTool, app.Settings.LastToolTab);
  main->SwitchTool(start.ToolId, "", start.Tab);
  // 11. to 13. Splash on top, main window shown, splash closed 1.5 s later.
  const bool splashShown = app.SplashUp && IsWindow(splashWindow);
  if (splashShown) {
    // On top without taking the activation: the main window activates when it shows.
    SetWindowPos(splashWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PumpMessages();
    PumpMessages();
  }
  main->ShowMain();
  startupReads.SetCaching(false);
  if (splashShown && IsWindow(splashWindow)) splash->StartCloseTimer();

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // The very last act: the helper ends the session when the user chose so.
  if (!app.HelperCommand.empty()) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    std::string command = app.HelperCommand;
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      CloseHandle(pi.hThread);
      CloseHandle(pi.hProcess);
    }
  }
  return 0;
}

}  // namespace kv
