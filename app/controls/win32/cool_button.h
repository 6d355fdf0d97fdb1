// CoolButton — the flat button "Korvane2K.CoolBttn": a caption, an optional icon left of it, and a
// hover effect (3-D frame, hover colours, bold caption) that a 16 ms poll takes away once the
// pointer has left. Pressing sinks the frame and moves icon and caption one pixel down-right.
//
//   kv::controls::CoolButton save;                       // new-instance defaults
//   save.SetCaption("&Speichern");
//   save.SetIcon(kv::controls::Picture::FromIcon(icon));  // icon stays the caller's
//   save.onClick = [this] { Save(); };                     // and/or WM_COMMAND(id, BN_CLICKED)
//   save.Create(page, RECT{10, 10, 110, 34}, 1001);
//
// Properties may be set before or after Create; SetProperties takes a whole stored set (the
// defaults of a stored form are CoolButtonProperties::Stored()). ChangeStatus(true/false) draws
// the pressed or raised look without a click. The click comes when the left button is released
// while the pointer is still over the button (also Space, Enter and BM_CLICK when it has focus).
// Pass WS_TABSTOP in Create's style to let it take the focus. WM_SETTEXT changes the caption.
#pragma once

#include <string>

#include "app/controls/core/cool_button_model.h"
#include "app/controls/win32/hover_button.h"
#include "app/controls/win32/paint_support.h"
#include "app/controls/win32/picture.h"

namespace kv::controls {

class CoolButton final : public HoverButton {
 public:
  static constexpr const char* kClassName = "Korvane2K.CoolBttn";

  explicit CoolButton(const CoolButtonProperties& p = CoolButtonProperties::NewInstance());

  HWND Create(HWND parent, const RECT& box, int id, DWORD extraStyle = 0);
  // The button behind a window of this class (also one made by class name); null otherwise.
  static CoolButton* FromWindow(HWND hwnd);
  // Registers the window class, for windows made by class name (dialog templates).
  static bool Register();

  const CoolButtonProperties& Properties() const { return model_.Properties(); }
  void SetProperties(const CoolButtonProperties& p);
  const std::string& Caption() const { return model_.Properties().caption; }
  void SetCaption(const std::string& caption);
  void SetIcon(const Picture& icon);
  const Picture& Icon() const { return icon_; }
  void SetViewImage(bool view);
  void SetIconOffset(int x, int y);
  void SetAlignment(CaptionAlignment alignment);
  // Normal and hover background and caption colours.
  void SetColours(Colour back, Colour backOver, Colour caption, Colour captionOver);
  // Light and dark edge of the 3-D frame.
  void SetFrameColours(Colour light, Colour shadow);
  void SetBoldOverBttn(bool bold);
  void SetActiveOver(bool activeOver);
  void SetCaptionKlickPos(bool move);
  void ChangeStatus(bool pressed);

  // The model, for tests and for reading the current look.
  const CoolButtonModel& Model() const { return model_; }

 private:
  PressableModel& Pressable() override { return model_; }
  void Paint(HDC dc, const RECT& client) override;
  void EnabledChanged(bool enabled) override { model_.SetEnabled(enabled); }
  void Created() override;
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Changed();

  CoolButtonModel model_;
  Picture icon_;
  BoldTwin bold_;
};

}  // namespace kv::controls
