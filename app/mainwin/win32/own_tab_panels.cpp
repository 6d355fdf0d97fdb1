// Which panel each own tab of the tool pages gets, and the pages' load and unload steps.
#include "app/mainwin/win32/main_window.h"

#include "app/pages/boot_parameters/win32/boot_parameters_panel.h"
#include "app/pages/drives/win32/drives_panel.h"
#include "app/pages/icons/win32/icons_panel.h"
#include "app/pages/logon_screen/win32/logon_screen_panel.h"
#include "app/pages/win32/mouse_tab_panel.h"
#include "app/pages/win32/system_paths_tab_panel.h"

namespace kv {

namespace {
// Control id ranges of the panels (100 each).
constexpr int kMouseIds = kFirstPanelControlId;
constexpr int kSystemPathsIds = kFirstPanelControlId + 100;
constexpr int kLogonScreenIds = kFirstPanelControlId + 200;
constexpr int kBootParametersIds = kFirstPanelControlId + 300;
constexpr int kDrivesIds = kFirstPanelControlId + 400;
constexpr int kDesktopIconsIds = kFirstPanelControlId + 500;
constexpr int kStartMenuIconsIds = kFirstPanelControlId + 600;
}  // namespace

std::unique_ptr<OwnTabPanel> MainWindow::MakeOwnTabPanel(const std::string& formName, int tab, HWND page,
                                                         const std::vector<HWND>& frames) {
  if (formName == "Form2" && tab == 3) return std::make_unique<MouseTabPanel>(page, frames, *this, kMouseIds);
  if (formName == "Form2" && tab == 4) return std::make_unique<SystemPathsTabPanel>(page, *this, kSystemPathsIds);
  if (formName == "Form3" && tab == 1) return MakeLogonScreenPanel(page, frames, *this, kLogonScreenIds);
  if (formName == "Form3" && tab == 2) return MakeBootParametersPanel(page, frames, *this, kBootParametersIds);
  if (formName == "Form4" && tab == 0) return MakeDrivesPanel(page, frames, *this, kDrivesIds);
  if (formName == "Form7" && tab == 0) return MakeIconsPanel(page, frames, *this, kDesktopIconsIds, 1);
  if (formName == "Form7" && tab == 1) return MakeIconsPanel(page, frames, *this, kStartMenuIconsIds, 2);
  return nullptr;
}

void MainWindow::PageLoaded(const std::string& formName) {
  if (formName == "Form3") BootOptionsPageLoaded(ownTabs_);
}

void MainWindow::PageUnloading(const std::string& formName) {
  if (formName == "Form3") BootOptionsPageUnloading(ownTabs_);
}

}  // namespace kv
