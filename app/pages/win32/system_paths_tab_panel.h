// The SysPaths tab of the Windows page: eight rows of caption, path field and browse button inside
// the tab's frame, around SystemPathsTabModel.
#pragma once

#include <array>

#include "app/pages/core/system_paths_tab.h"
#include "app/pages/win32/own_tab_panel.h"

namespace kv {

class SystemPathsTabPanel : public OwnTabPanel {
 public:
  SystemPathsTabPanel(HWND page, PageServices& services, int firstId);
  void Layout(const std::vector<HWND>& frames) override;
  void Show(bool visible) override;
  bool Command(int id, int code) override;

 private:
  HWND page_;
  int firstId_;
  SystemPathsTabModel model_;
  std::array<HWND, kSystemPathRows> captions_{}, fields_{}, browse_{};
};

}  // namespace kv
