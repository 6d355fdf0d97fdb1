// The main window `Form1`: the bar with menu bar, headline and side bar (ActiveBar), the page host
// (ActiveBar2 inside the client-area box WorkBack), page switching, the command table, the interface
// sounds, the "setting saved" line and the exit with the log-off or restart question.
#pragma once

#include <windows.h>

#include <string>

#include "app/mainwin/core/bar_model.h"
#include "app/mainwin/core/exit_decision.h"
#include "app/mainwin/win32/app_context.h"
#include "app/mainwin/win32/back_img.h"
#include "app/mainwin/win32/engine_functions.h"
#include "app/mainwin/win32/own_tab_dialogs.h"
#include "app/mainwin/win32/system_paths_host.h"
#include "app/pages/win32/tool_page_window.h"
#include "app/restore/win32/app_restore_host.h"
#include "app/restore/win32/restore_window.h"

namespace kv {

class BarWindow;
class HeadlineWindow;

class MainWindow : public PageServices, public BarEvents {
 public:
  // nullptr when the window cannot be made.
  static MainWindow* Create(AppContext& app);
  HWND hwnd() const { return hwnd_; }

  // Start-up steps of the window: Internet menu and bar set-up (the bar model only), placement (which
  // lays the bars out once, then sizes and moves the window in one step), start page.
  void PrepareBars();
  void SetUpInternetMenu();
  void Place();
  void SwitchTool(int toolId, std::string caption, int tab);
  void ShowMain();

  void HaedlineSaveInfo();
  void PlaySoundKind(int kind);

  // PageServices
  std::string Text(int id) const override { return app_.Text(id); }
  std::string SlotFunctionHelp(int slot) const override;
  void ShowFunctionHelp(const std::string& helpText) override;
  // The restore window opens whatever state the undo file is in: with a damaged one it says so and a
  // recovery profile can be chosen there.
  bool RestoreAvailable() const override { return restoreHost_ != nullptr; }
  void OpenRestore(int page, int functionNumber) override;
  int TreeViewStyle() const override { return app_.Settings.TreeViewStyle; }
  void SetTreeViewStyle(int style) override { app_.Settings.TreeViewStyle = style; }
  void PlaySound(int kind) override { PlaySoundKind(kind); }
  FunctionSource& Functions() override { return functions_; }
  SystemPathsHost& SystemPaths() override { return systemPaths_; }
  void OpenRestoreGroup(int group, const std::string& tabCaption) override;
  OwnTabHost& OwnTabs() override { return ownTabs_; }
  std::unique_ptr<OwnTabPanel> MakeOwnTabPanel(const std::string& formName, int tab, HWND page,
                                               const std::vector<HWND>& frames) override;
  HBITMAP TreeBackImage() const override { return backImg_.Picture(); }
  void PageLoaded(const std::string& formName) override;
  void PageUnloading(const std::string& formName) override;
  void ShowTreeMenu(const TreeMenuState& state) override;

  // BarEvents
  void ToolClick(const BarBand& band, const BarTool& tool) override;
  void BandOpen(const BarBand& band, bool* cancel) override;
  void GroupChange(int newGroup) override;

 private:
  explicit MainWindow(AppContext& app) : app_(app), functions_(app) {}
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Build();
  void Localise();
  void Exit(ExitCause cause);
  void OpenFile(const std::string& file, const std::string& parameters, const std::string& folder);
  void ShowInfoBox();
  void MarkCurrentSideTool();
  void OpenRestoreWindow(RestoreMode mode, int page, int functionNumber, const std::string& tabCaption = "");

  AppContext& app_;
  EngineFunctions functions_;
  SystemPathsDialogs systemPaths_{app_, hwnd_};  // the main window owns its dialogs
  OwnTabDialogs ownTabs_{app_, hwnd_};
  HWND hwnd_ = nullptr;
  HWND workBack_ = nullptr;
  BarModel bar_;      // ActiveBar
  BarModel hostBar_;  // ActiveBar2
  BarWindow* barWindow_ = nullptr;
  BarWindow* hostWindow_ = nullptr;
  HeadlineWindow* headline_ = nullptr;
  BackImg backImg_;  // the trees' background picture
  ToolPageWindow* page_ = nullptr;
  std::unique_ptr<AppRestoreHost> restoreHost_;
  RestoreWindow* restore_ = nullptr;  // the restore window (tool 99) while it is hosted
  RestoreRequest restoreRequest_;
  int currentTool_ = -1;  // none until the first switch
  int currentTab_ = 0;
  bool exited_ = false;
  bool creating_ = false;
};

}  // namespace kv
