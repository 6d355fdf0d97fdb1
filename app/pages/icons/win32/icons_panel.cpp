// The Icons page's tab panel (see icons_panel.h): one icon list inside the tab's frame, filled when
// the tab is first shown; a double-click on a line opens the icon dialog for it.
#include "app/pages/icons/win32/icons_panel.h"

#include "app/pages/core/own_tab_host.h"
#include "app/pages/icons/core/icon_cache_refresh.h"
#include "app/pages/icons/core/icons_tab.h"
#include "app/pages/icons/win32/icon_scratch_picture.h"
#include "app/pages/icons/win32/icon_tree_list.h"
#include "app/pages/icons/win32/shell_icon_platform.h"

namespace kv {

namespace {
constexpr int kIconCaptionText = 792, kDescriptionCaptionText = 793;
// Control id offsets: the list, and the command the list's double-click posts to the page.
enum Offset { kListId = 0, kLineDoubleClickedId = 1 };

class IconsPanel : public OwnTabPanel, private IconPlatform {
 public:
  IconsPanel(HWND page, PageServices& services, int firstId, int list)
      : page_(page),
        firstId_(firstId),
        host_(services.OwnTabs()),
        list_(scratch_),
        model_(services.Functions(), host_.Reg(), *this, host_.Folders().System, host_.Folders().Windows) {
    if (!list_.Create(page, firstId + kListId, services.Text(kIconCaptionText), services.Text(kDescriptionCaptionText)))
      return;
    // The dialog opens after the control's event has returned, not inside its mouse handling.
    list_.Events().dblClick = [this] {
      PostMessageA(page_, WM_COMMAND, MAKEWPARAM(firstId_ + kLineDoubleClickedId, 0), 0);
    };
    model_.Fill(list, list_);
  }

  void Layout(const std::vector<HWND>& frames) override {
    if (frames.empty() || !list_.hwnd()) return;
    const RECT f = FrameArea(page_, frames[0]);
    list_.Place(RECT{f.left + 12, f.top + 24, f.right - 12, f.bottom - 12});
    SetWindowPos(list_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  void Show(bool visible) override {
    if (list_.hwnd()) ShowWindow(list_.hwnd(), visible ? SW_SHOW : SW_HIDE);
  }
  bool Command(int id, int /*code*/) override {
    if (id != firstId_ + kLineDoubleClickedId) return false;
    model_.ChangeSelected(list_);
    return true;
  }

 private:
  std::string ShortPath(const std::string& file) override { return ShortUpperPath(file); }
  void ClearScratch() override { scratch_.Clear(); }
  bool DrawIntoScratch(const std::string& file, int index) override { return scratch_.Draw(file, index); }
  std::string ChooseIcon(const std::string& file, int index) override { return host_.ChooseIcon(file, index); }
  void RefreshIconCache() override { RefreshShellIconCache(host_.Reg(), cacheShell_, host_.Folders().Windows); }

  HWND page_;
  int firstId_;
  OwnTabHost& host_;
  IconScratchPicture scratch_;
  IconTreeList list_;
  Win32IconCacheShell cacheShell_;
  IconsTabModel model_;
};
}  // namespace

std::unique_ptr<OwnTabPanel> MakeIconsPanel(HWND page, const std::vector<HWND>& frames, PageServices& services,
                                            int firstControlId, int list) {
  auto panel = std::make_unique<IconsPanel>(page, services, firstControlId, list);
  panel->Layout(frames);
  return panel;
}

}  // namespace kv
