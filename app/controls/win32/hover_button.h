// The window side shared by the flat button and the picture button: pointer over -> hover look and
// a poll timer (the model's interval) that asks the pointer probe until the pointer has gone;
// press with capture; release -> click when the pointer is still over the control; Space, Enter
// and BM_CLICK for the keyboard. Painting is double-buffered; the derived class draws.
#pragma once

#include <functional>

#include "app/controls/core/pressable_model.h"
#include "app/controls/win32/control_base.h"

namespace kv::controls {

class HoverButton : public ControlBase {
 public:
  // Notification code of the click in WM_COMMAND (the same as a push button's).
  static constexpr WORD kClickNotification = BN_CLICKED;

  // Raised on a click, before the parent's WM_COMMAND. It may destroy the control.
  std::function<void()> onClick;

  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }

 protected:
  virtual PressableModel& Pressable() = 0;
  virtual void Paint(HDC dc, const RECT& client) = 0;
  // The enabled state changed (window or property); the model follows it.
  virtual void EnabledChanged(bool /*enabled*/) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Created() override;
  void Redraw();

 private:
  void OnMouseMove();
  void OnButtonDown();
  void OnButtonUp();
  void OnTimer();
  void OnCaptureChanged();
  void OnEnable(bool enabled);
  bool OnKeyDown(WPARAM key);
  bool OnKeyUp(WPARAM key);
  void StartPolling();
  void Click();

  bool enabled_ = true;
  bool polling_ = false;
};

}  // namespace kv::controls
