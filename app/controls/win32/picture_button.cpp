// The picture button's window: picture choice and painting (see picture_button.h).
#include "app/controls/win32/picture_button.h"

#include "app/controls/win32/paint_support.h"

namespace kv::controls {

HWND PictureButton::Create(HWND parent, const RECT& box, int id, DWORD extraStyle) {
  return CreateControl(kClassName, &ControlBase::Procedure<PictureButton>, parent, box, id,
                       WS_CLIPSIBLINGS | extraStyle);
}

bool PictureButton::Register() { return RegisterControlClass(kClassName, &ControlBase::Procedure<PictureButton>); }

PictureButton* PictureButton::FromWindow(HWND hwnd) { return dynamic_cast<PictureButton*>(FromHandle(hwnd)); }

void PictureButton::SetPictures(const Picture& normal, const Picture& over, const Picture& down) {
  normal_ = normal;
  over_ = over;
  down_ = down;
  Redraw();
}

void PictureButton::SetPicture(const Picture& normal) { SetPictures(normal, over_, down_); }
void PictureButton::SetPictureMouseOver(const Picture& over) { SetPictures(normal_, over, down_); }
void PictureButton::SetPictureMouseDown(const Picture& down) { SetPictures(normal_, over_, down); }

void PictureButton::SetBackColor(Colour back) {
  back_ = back;
  Redraw();
}

const Picture& PictureButton::Current() const {
  const Picture& over = over_.Empty() ? normal_ : over_;
  switch (model_.State()) {
    case PictureState::Down: return down_.Empty() ? over : down_;
    case PictureState::Over: return over;
    default: return normal_;
  }
}

void PictureButton::Paint(HDC dc, const RECT& client) {
  FillColour(dc, client, ResolveColour(back_));
  const Picture& picture = Current();
  const SIZE size = picture.Size();
  picture.Draw(dc, (client.right - size.cx) / 2, (client.bottom - size.cy) / 2, !Enabled());
}

}  // namespace kv::controls
