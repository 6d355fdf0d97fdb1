// A tool page (Form2 .. Form8) as a child window hosted by the main window: tab strip, one function tree
// per tree tab, the frames and own controls of the other tabs, the info button (CoolBttn) and the
// style picture button (PicBttn1). The logic lives in PageModel; this class turns messages into its calls.
#pragma once

#include <windows.h>

#include "app/pages/win32/window_object.h"

#include <memory>
#include <string>
#include <vector>

#include "app/pages/core/own_tab_host.h"
#include "app/pages/core/page_model.h"
#include "app/pages/core/system_paths_tab.h"
#include "app/pages/win32/own_tab_panel.h"

namespace kv {

class TabStripWindow;
class TreeControl;
class Win32TreeView;
namespace controls {
class CoolButton;
class PictureButton;
}  // namespace controls

// What the main window offers its hosted page beyond PageHost.
class PageServices : public PageHost {
 public:
  virtual FunctionSource& Functions() = 0;
  // Shows the band "TreeViewStyle" as a pop-up menu with these states; the choice comes back through
  // the main window's command table as PopupMenuClick.
  virtual void ShowTreeMenu(const TreeMenuState& state) = 0;
  // Dialogs and settings of the SysPaths tab (folder choice, the path warning, the profile folder).
  virtual SystemPathsHost& SystemPaths() = 0;
  // The page's undo button: the restore window for one function group, named by the tab's caption.
  virtual void OpenRestoreGroup(int group, const std::string& tabCaption) = 0;
  // Dialogs, settings and system facts for the pages' own tabs.
  virtual OwnTabHost& OwnTabs() = 0;
  // The panel of a page's own tab, made the first time the tab is shown; nullptr when it has none.
  virtual std::unique_ptr<OwnTabPanel> MakeOwnTabPanel(const std::string& formName, int tab, HWND page,
                                                       const std::vector<HWND>& frames) = 0;
  // The main window's background picture (BackImg), given to every function tree as its BackImage;
  // null = none. The tree keeps its own copy.
  virtual HBITMAP TreeBackImage() const { return nullptr; }
  // A page was loaded (before its first tab is shown) or is about to be unloaded.
  virtual void PageLoaded(const std::string& /*formName*/) {}
  virtual void PageUnloading(const std::string& /*formName*/) {}
};

class ToolPageWindow {
 public:
  // Creates and loads the page (hidden) as a child of `parent`.
  static ToolPageWindow* Create(HWND parent, const PageLayout& layout, PageServices& services);
  HWND hwnd() const { return hwnd_; }
  const std::string& FormName() const { return layout_.FormName; }
  PageModel& Model() { return model_; }
  void SetTab(int tab);
  void PopupMenuClick(int toolId) { model_.PopupMenuClick(toolId); }
  // Unloads the page (destroys its window and this object).
  void Unload();

 private:
  ToolPageWindow(const PageLayout& layout, PageServices& services);
  friend LRESULT CALLBACK OwnedObjectProc<ToolPageWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Build();
  void Layout();
  void ShowTab(int tab);
  void UpdateInfoButton();
  void RestoreCurrentTab();
  bool CurrentPanelRestores() const;
  LRESULT Notify(NMHDR* header);
  void Command(int id, int code);
  void Paint();

  HWND hwnd_ = nullptr;
  const PageLayout& layout_;
  PageServices& services_;
  PageModel model_;
  TabStripWindow* tabs_ = nullptr;
  std::unique_ptr<TreeControl> MakeTree(int tab);
  bool EnsureTree(int tab);  // true when the tree was made now
  std::vector<std::unique_ptr<TreeControl>> trees_;  // with the tab each belongs to in treeTabs_
  std::vector<Win32TreeView*> systemTrees_;          // the same tree when it is a system tree view, else null
  std::vector<int> treeTabs_;
  void EnsureFrames(int tab);
  std::vector<std::vector<HWND>> frames_;                // per tab; made when the tab first shows
  std::vector<std::vector<std::string>> frameCaptions_;  // per tab, localised
  std::vector<std::unique_ptr<OwnTabPanel>> panels_;     // per tab: its own controls, if it has them
  std::unique_ptr<controls::CoolButton> infoButton_;
  std::unique_ptr<controls::CoolButton> undoButton_;  // restores the current tab's function group
  std::vector<std::string> tabCaptions_;              // localised
  std::unique_ptr<controls::PictureButton> styleButton_;
};

}  // namespace kv
