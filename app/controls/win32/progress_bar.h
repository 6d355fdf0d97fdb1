// ProgressBar — "Korvane2K.Progress": a frame around the system progress bar (msctls_progress32).
// Orientation 1 makes it vertical, Smooth a continuous bar; changing either (or the border style)
// makes a new system bar that gets range, step, colours and position again.
//
//   kv::controls::ProgressBar bar;                     // Min 0, Max 100, Step 1, horizontal
//   bar.SetMax(totalKb);
//   bar.SetPosition(freeKb);
//   bar.Create(page, RECT{10, 80, 210, 98}, 1004);
//   bar.StepIt();
//
// BorderStyle 1 draws a thin flat frame around the bar, 0 none. Colours are 0x00BBGGRR or system
// colours (0x800000nn); the defaults are the system highlight and button face. Ranges beyond
// 0..65535 are passed with the 32-bit range message.
#pragma once

#include "app/controls/core/progress_model.h"
#include "app/controls/win32/control_base.h"

namespace kv::controls {

class ProgressBar final : public ControlBase {
 public:
  static constexpr const char* kClassName = "Korvane2K.Progress";

  explicit ProgressBar(const ProgressProperties& p = {});

  HWND Create(HWND parent, const RECT& box, int id, DWORD extraStyle = 0);
  static ProgressBar* FromWindow(HWND hwnd);
  // Registers the window class, for windows made by class name (dialog templates).
  static bool Register();

  const ProgressProperties& Properties() const { return model_.Properties(); }
  int Position() const { return model_.Position(); }
  void SetOrientation(ProgressOrientation o);
  void SetSmooth(bool smooth);
  void SetBorderStyle(int style);
  void SetForeColor(Colour c);
  void SetBackColor(Colour c);
  void SetMin(int min);
  void SetMax(int max);
  void SetRange(int min, int max);
  void SetStep(int step);
  void SetPosition(int position);
  void StepIt();

  // The system progress bar inside (it changes when the bar is made anew).
  HWND BarWindow() const { return bar_; }

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Created() override { Rebuild(); }
  void Rebuild();
  void Layout();
  void PassRange();
  void PassColours();
  void PaintFrame();

  ProgressModel model_;
  HWND bar_ = nullptr;
};

}  // namespace kv::controls
