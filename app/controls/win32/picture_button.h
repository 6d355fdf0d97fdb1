// PictureButton — the picture button "Korvane2K.PicBttn": shows its normal picture, the
// pointer-over picture while the pointer is over it (a 32 ms poll notices when it has gone) and
// the pressed picture while the left button is held. The click comes on release over the button.
//
//   kv::controls::PictureButton help;
//   help.SetPictures(Picture::FromIcon(normal), Picture::FromIcon(over), Picture::FromIcon(down));
//   help.onClick = [this] { ShowHelp(); };              // and/or WM_COMMAND(id, BN_CLICKED)
//   help.Create(page, RECT{300, 8, 324, 32}, 1002);
//
// A missing over picture falls back to the normal one, a missing pressed picture to the over one.
// Pictures stay the caller's. The picture is centred; the rest is filled with the back colour
// (default the system button face).
#pragma once

#include "app/controls/core/control_colour.h"
#include "app/controls/core/picture_button_model.h"
#include "app/controls/win32/hover_button.h"
#include "app/controls/win32/picture.h"

namespace kv::controls {

class PictureButton final : public HoverButton {
 public:
  static constexpr const char* kClassName = "Korvane2K.PicBttn";

  PictureButton() = default;
  HWND Create(HWND parent, const RECT& box, int id, DWORD extraStyle = 0);
  static PictureButton* FromWindow(HWND hwnd);
  // Registers the window class, for windows made by class name (dialog templates).
  static bool Register();

  void SetPictures(const Picture& normal, const Picture& over, const Picture& down);
  void SetPicture(const Picture& normal);
  void SetPictureMouseOver(const Picture& over);
  void SetPictureMouseDown(const Picture& down);
  void SetBackColor(Colour back);
  // The picture showing now.
  const Picture& Current() const;
  const PictureButtonModel& Model() const { return model_; }

 private:
  PressableModel& Pressable() override { return model_; }
  void Paint(HDC dc, const RECT& client) override;

  PictureButtonModel model_;
  Picture normal_, over_, down_;
  Colour back_ = kSysButtonFace;
};

}  // namespace kv::controls
