// UpDownField — the number field "Korvane2K.UpDown": a text box with the system's up-down arrows
// (msctls_updown32: set buddy integer, align right, auto buddy, no thousands separator, arrow keys).
// Text that is not a number becomes Min; leaving the box with a number outside Min..Max shows the
// bound; the arrows stay inside the range and speed up (five Steps) after two seconds held.
//
//   kv::controls::UpDownField memory;                  // Min 1, Max 100, Step 1, Value 1
//   memory.SetRange(0, 1024);
//   memory.SetStep(16);
//   memory.SetValue(256);
//   memory.onUpdate = [this] { if (!loading_) Write(memory.Value()); };  // and/or WM_COMMAND(id, EN_CHANGE)
//   memory.Create(page, RECT{10, 40, 90, 61}, 1003);
//
// Update is raised once for every change of the text: typing, the arrows, SetValue, and the
// corrections above (a letter typed -> Min; leaving with 500 and Max 100 -> 100). The text box has
// the system window colour while enabled and the button face while disabled.
#pragma once

#include <functional>
#include <string>

#include "app/controls/core/up_down_model.h"
#include "app/controls/win32/control_base.h"

namespace kv::controls {

class UpDownField final : public ControlBase {
 public:
  static constexpr const char* kClassName = "Korvane2K.UpDown";
  static constexpr WORD kUpdateNotification = EN_CHANGE;

  explicit UpDownField(const UpDownProperties& p = {});
  ~UpDownField() override;

  // The text box inside is the tab stop (the field is a control parent for dialog navigation).
  HWND Create(HWND parent, const RECT& box, int id, DWORD extraStyle = 0);
  static UpDownField* FromWindow(HWND hwnd);
  // Registers the window class, for windows made by class name (dialog templates).
  static bool Register();

  // Raised when the text changed. It may destroy the control.
  std::function<void()> onUpdate;

  int Min() const { return model_.Min(); }
  int Max() const { return model_.Max(); }
  int Step() const { return model_.Step(); }
  int Value() const { return model_.Value(); }
  bool Enabled() const { return model_.Enabled(); }
  std::string Text() const;
  void SetMin(int min);
  void SetMax(int max);
  void SetRange(int min, int max);
  void SetStep(int step);
  void SetValue(int value);
  void SetEnabled(bool enabled);
  // Hands range, position and acceleration to the arrows again and repaints.
  void Refresh();

  HWND EditWindow() const { return edit_; }
  HWND ArrowsWindow() const { return arrows_; }
  const UpDownModel& Model() const { return model_; }

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Created() override;
  void Layout();
  void PaintFrame();
  void OnEditCommand(WORD code);
  void PutText(const std::string& text);
  LRESULT EditColours(HDC dc);

  UpDownModel model_;
  HWND edit_ = nullptr, arrows_ = nullptr;
  std::string lastText_;   // the text Update was last raised for: only a real change raises it
  bool replacing_ = false;  // set while a non-number is being replaced by Min
};

}  // namespace kv::controls
