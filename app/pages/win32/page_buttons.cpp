// The pages' flat button and style picture button in the program's look (see page_buttons.h).
#include "app/pages/win32/page_buttons.h"

#include "app/controls/win32/drawing_bitmap.h"
#include "app/pages/win32/ui_theme.h"

namespace kv {

namespace {

constexpr int kPictureSize = 24;
constexpr COLORREF kPressedBack = RGB(189, 207, 234);

// One look of the style button: background, frame, tree colour and how far the tree sinks.
struct StyleLook {
  COLORREF back, frame, glyph;
  int offset;
};

// Draws a tiny tree (a root box and two branches with their boxes) inside a framed square.
void DrawTreePicture(HDC dc, const StyleLook& look) {
  RECT r = {0, 0, kPictureSize, kPictureSize};
  ui::FillSolid(dc, r, look.back);
  HBRUSH frame = CreateSolidBrush(look.frame);
  FrameRect(dc, &r, frame);
  DeleteObject(frame);
  HPEN pen = CreatePen(PS_SOLID, 1, look.glyph);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, CreateSolidBrush(look.back));
  const int x = 6 + look.offset, y = 4 + look.offset;
  Rectangle(dc, x, y, x + 6, y + 6);
  MoveToEx(dc, x + 2, y + 6, nullptr);
  LineTo(dc, x + 2, y + 14);
  MoveToEx(dc, x + 2, y + 9, nullptr);
  LineTo(dc, x + 7, y + 9);
  MoveToEx(dc, x + 2, y + 14, nullptr);
  LineTo(dc, x + 7, y + 14);
  Rectangle(dc, x + 7, y + 7, x + 12, y + 12);
  Rectangle(dc, x + 7, y + 12, x + 12, y + 17);
  DeleteObject(SelectObject(dc, oldBrush));
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

HBITMAP MakeTreePicture(const StyleLook& look) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = controls::CreatePictureBitmap(kPictureSize, kPictureSize);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  if (!bitmap || !dc) {
    if (dc) DeleteDC(dc);
    return bitmap;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  DrawTreePicture(dc, look);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

// The three pictures of the style button, made on first use and freed when the program ends.
class StylePictures {
 public:
  StylePictures()
      : normal_(MakeTreePicture({ui::kPanelBack, ui::kPanelBack, ui::kAccent, 0})),  // flat, like the info button
        over_(MakeTreePicture({ui::kAccentLight, ui::kAccent, ui::kAccentDark, 0})),
        down_(MakeTreePicture({kPressedBack, ui::kAccentDark, ui::kAccentDark, 1})) {}
  StylePictures(const StylePictures&) = delete;
  StylePictures& operator=(const StylePictures&) = delete;
  ~StylePictures() {
    for (HBITMAP b : {normal_, over_, down_})
      if (b) DeleteObject(b);
  }

  void ApplyTo(controls::PictureButton& button) const {
    using controls::Picture;
    button.SetPictures(Picture::FromBitmap(normal_), Picture::FromBitmap(over_), Picture::FromBitmap(down_));
  }

 private:
  HBITMAP normal_, over_, down_;
};

const StylePictures& SharedStylePictures() {
  static const StylePictures pictures;
  return pictures;
}

HICON QuestionIcon() {
  static HICON icon = static_cast<HICON>(
      LoadImageA(nullptr, MAKEINTRESOURCEA(32514) /* IDI_QUESTION */, IMAGE_ICON, 16, 16, LR_SHARED));
  return icon;
}

}  // namespace

std::unique_ptr<controls::CoolButton> CreateCoolButton(HWND parent, int id, const std::string& caption, HICON icon) {
  auto button = std::make_unique<controls::CoolButton>();
  button->SetCaption(caption);
  // Flat on the page's button row; the pointer brings the light blue face and a blue-edged frame.
  button->SetColours(ui::kPanelBack, ui::kAccentLight, ui::kAccentDark, ui::kAccentDark);
  button->SetFrameColours(RGB(255, 255, 255), ui::kAccent);
  button->SetActiveOver(true);
  button->SetCaptionKlickPos(true);
  button->SetFont(ui::NormalFont());
  if (icon) button->SetIcon(controls::Picture::FromIcon(icon));
  button->SetViewImage(icon != nullptr);
  if (!button->Create(parent, RECT{0, 0, 96, 24}, id, WS_TABSTOP)) return nullptr;
  return button;
}

std::unique_ptr<controls::CoolButton> CreateInfoButton(HWND parent, int id, const std::string& caption) {
  return CreateCoolButton(parent, id, caption, QuestionIcon());
}

std::unique_ptr<controls::PictureButton> CreatePictureButton(HWND parent, int id) {
  auto button = std::make_unique<controls::PictureButton>();
  SharedStylePictures().ApplyTo(*button);
  button->SetBackColor(ui::kPanelBack);
  if (!button->Create(parent, RECT{0, 0, kPictureSize, kPictureSize}, id)) return nullptr;
  return button;
}

std::unique_ptr<controls::PictureButton> CreateHelpPictureButton(HWND parent, int id) {
  auto button = std::make_unique<controls::PictureButton>();
  button->SetPicture(controls::Picture::FromIcon(QuestionIcon()));
  button->SetBackColor(ui::kPageBack);
  if (!button->Create(parent, RECT{0, 0, kPictureSize, kPictureSize}, id, WS_TABSTOP)) return nullptr;
  return button;
}

}  // namespace kv
