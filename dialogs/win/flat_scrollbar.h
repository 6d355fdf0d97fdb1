// The flat scroll bar control: one window whose own scroll bar(s) are drawn by the platform's
// flat-scroll-bar functions when they exist. The value properties follow FlatScrollModel; the
// window's scroll messages reach the control through the subclassing service. Works windowless
// (properties only) until Create sites it in a parent.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "dialogs/core/flat_scroll_model.h"
#include "dialogs/win/subclass_service.h"

namespace kvdlg {

class FlatScrollBar : private SubclassClient {
 public:
  FlatScrollBar();
  ~FlatScrollBar() override;
  FlatScrollBar(const FlatScrollBar&) = delete;
  FlatScrollBar& operator=(const FlatScrollBar&) = delete;

  bool Create(HWND parent, int id, int x, int y, int width, int height);
  void Destroy();
  HWND Window() const { return window_; }

  std::int32_t Orientation() const { return orientation_; }
  void SetOrientation(std::int32_t orientation);
  std::int32_t Min() const { return model_.min; }
  void SetMin(std::int32_t value);
  std::int32_t Max() const { return model_.max; }
  void SetMax(std::int32_t value);
  std::int32_t Value() const { return model_.value; }
  void SetValue(std::int32_t value);
  std::int32_t LargeChange() const { return model_.largeChange; }
  void SetLargeChange(std::int32_t value);
  std::int32_t SmallChange() const { return model_.smallChange; }
  void SetSmallChange(std::int32_t value) { model_.smallChange = value; }
  std::int32_t Style() const { return style_; }
  void SetStyle(std::int32_t style);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool CanBeFlat() const { return canBeFlat_; }
  std::int32_t ActiveBar() const { return ActiveBarFor(orientation_); }

  void OnChange(std::function<void()> handler) { onChange_ = std::move(handler); }
  void OnScroll(std::function<void()> handler) { onScroll_ = std::move(handler); }

  // Tests: behave as a platform without the flat functions.
  static void SetFlatFunctionsHiddenForTesting(bool hidden);

 private:
  std::int32_t MsgResponse(UINT message) override;
  LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  void SetUpWindow();
  void SetInfo(SCROLLINFO* info);  // flat or ordinary, as the window was set up
  void ApplyRange();
  void ApplyPosition();
  void ApplyEnabled();
  void ApplyStyle();
  int TrackPosition(int bar);
  void RaiseChange();

  FlatScrollModel model_;
  std::int32_t orientation_ = 0;
  std::int32_t style_ = 0;
  bool enabled_ = true;
  bool canBeFlat_ = true;
  bool flatInitialised_ = false;
  HWND window_ = nullptr;
  std::function<void()> onChange_;
  std::function<void()> onScroll_;
};

}  // namespace kvdlg
