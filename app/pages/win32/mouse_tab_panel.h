// The Mouse tab of the Windows page: the windows around MouseTabModel (slider, boxes, options,
// number fields and the four help picture buttons), inside the tab's four frames.
#pragma once

#include <array>
#include <memory>

#include "app/controls/win32/picture_button.h"
#include "app/controls/win32/up_down_field.h"
#include "app/pages/core/mouse_tab.h"
#include "app/pages/win32/own_tab_panel.h"
#include "slider/include/kvslide_client.h"

namespace kv {

class MouseTabPanel : public OwnTabPanel {
 public:
  MouseTabPanel(HWND page, const std::vector<HWND>& frames, PageServices& services, int firstId);
  void Layout(const std::vector<HWND>& frames) override;
  void Show(bool visible) override;
  bool Command(int id, int code) override;

 private:
  void ShowState();  // the model's state into the controls, without raising their change events
  std::vector<HWND> Windows() const;

  HWND page_;
  PageServices& services_;
  int firstId_;
  MouseTabModel model_;
  bool showing_ = false;  // set while ShowState puts values into the controls
  bool visible_ = false;
  kvslide::SliderClient slider_;
  HWND delayCaption_, delayLabel_, menuDelayOff_;
  HWND toleranceCaption_[2];
  controls::UpDownField tolerance_[2];
  HWND wheelOn_, fullScreen_, lines_, linesUnit_;
  controls::UpDownField wheelLines_;
  HWND scanCaption_, scanUnit_;
  controls::UpDownField scanRate_;
  HWND fastInit_;
  std::array<std::unique_ptr<controls::PictureButton>, 4> help_;
};

}  // namespace kv
