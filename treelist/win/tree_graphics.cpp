// Fonts and pictures of the tree-list window.
#include "treelist/win/tree_graphics.h"

#include <algorithm>
#include <cstring>

namespace kv::tree {

namespace {
HFONT CopyFont(HFONT source) {
  LOGFONTW font;
  if (!source || GetObjectW(source, sizeof font, &font) != sizeof font) return nullptr;
  return CreateFontIndirectW(&font);
}
}  // namespace

TreeGraphics::~TreeGraphics() {
  DropMainFonts();
  for (HFONT f : {subTextFont_, titleFont_, headerFont_}) {
    if (f) DeleteObject(f);
  }
  for (HFONT f : nodeFonts_) {
    if (f) DeleteObject(f);
  }
}

void TreeGraphics::DropMainFonts() {
  if (mainFont_) DeleteObject(mainFont_);
  if (boldFont_) DeleteObject(boldFont_);
  mainFont_ = boldFont_ = nullptr;
}

void TreeGraphics::SetMainFont(const FontSpec& font) {
  spec_ = font;
  DropMainFonts();
}

HFONT TreeGraphics::MainFont() {
  if (!mainFont_) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(static_cast<int>(spec_.size * 100 + 50), GetDeviceCaps(screen, LOGPIXELSY), 7200);
    ReleaseDC(nullptr, screen);
    mainFont_ = CreateFontW(height, 0, 0, 0, spec_.bold ? FW_BOLD : FW_NORMAL, spec_.italic, spec_.underline,
                            spec_.strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_SWISS, spec_.name.c_str());
    if (!mainFont_) mainFont_ = CopyFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  return mainFont_;
}

HFONT TreeGraphics::BoldFont() {
  if (!boldFont_) {
    LOGFONTW font;
    if (GetObjectW(MainFont(), sizeof font, &font) == sizeof font) {
      font.lfWeight = FW_BOLD;
      boldFont_ = CreateFontIndirectW(&font);
    }
  }
  return boldFont_ ? boldFont_ : MainFont();
}

int TreeGraphics::AddFont(HFONT source) {
  LOGFONTW wanted;
  if (!source || GetObjectW(source, sizeof wanted, &wanted) != sizeof wanted) return 0;
  // Nodes often share one font: hand out the number of an equal copy instead of a new one.
  for (size_t i = 0; i < nodeFonts_.size(); ++i) {
    LOGFONTW have;
    if (GetObjectW(nodeFonts_[i], sizeof have, &have) == sizeof have && std::memcmp(&have, &wanted, sizeof have) == 0)
      return static_cast<int>(i + 1);
  }
  HFONT copy = CreateFontIndirectW(&wanted);
  if (!copy) return 0;
  nodeFonts_.push_back(copy);
  return static_cast<int>(nodeFonts_.size());
}

HFONT TreeGraphics::NodeFont(int number) const {
  return (number >= 1 && number <= static_cast<int>(nodeFonts_.size())) ? nodeFonts_[size_t(number - 1)] : nullptr;
}

HFONT TreeGraphics::FontFor(int fontNumber, bool bold) {
  if (HFONT own = NodeFont(fontNumber)) return own;
  return bold ? BoldFont() : MainFont();
}

void TreeGraphics::ReplaceCopy(HFONT& slot, HFONT source) {
  if (slot) DeleteObject(slot);
  slot = CopyFont(source);
}

SIZE TreeGraphics::BitmapSize(HBITMAP bitmap) {
  BITMAP info;
  if (!bitmap || GetObjectW(bitmap, sizeof info, &info) != sizeof info) return SIZE{0, 0};
  return SIZE{info.bmWidth, info.bmHeight};
}

void TreeGraphics::TileBitmap(HDC dc, HBITMAP bitmap, const RECT& area) {
  SIZE size = BitmapSize(bitmap);
  if (size.cx <= 0 || size.cy <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  for (int y = area.top; y < area.bottom; y += size.cy) {
    for (int x = area.left; x < area.right; x += size.cx) {
      BitBlt(dc, x, y, std::min<int>(size.cx, area.right - x), std::min<int>(size.cy, area.bottom - y), source, 0, 0,
             SRCCOPY);
    }
  }
  SelectObject(source, old);
  DeleteDC(source);
}

SIZE TreeGraphics::PictureCellSize(bool useImageList, int cols, int rows) const {
  SIZE size = {0, 0};
  if (useImageList && !images_.empty()) {
    if (images_[0].bitmap)
      size = BitmapSize(images_[0].bitmap);
    else
      size = SIZE{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  } else if (!useImageList && pictures_[size_t(PictureSlot::Strip)]) {
    SIZE strip = BitmapSize(pictures_[size_t(PictureSlot::Strip)]);
    size = SIZE{strip.cx / std::max(1, cols), strip.cy / std::max(1, rows)};
  }
  if (size.cx <= 0 || size.cy <= 0) size = SIZE{16, 16};
  return size;
}

void TreeGraphics::DrawPicture(HDC dc, int number, const RECT& cell, bool useImageList, int cols, int rows,
                               COLORREF mask) {
  if (number < 1) return;
  const int width = cell.right - cell.left, height = cell.bottom - cell.top;
  HBITMAP bitmap = nullptr;
  int sx = 0, sy = 0, sw = 0, sh = 0;
  if (useImageList) {
    if (number > static_cast<int>(images_.size())) return;
    const Image& image = images_[size_t(number - 1)];
    if (image.icon) {
      DrawIconEx(dc, cell.left, cell.top, image.icon, width, height, 0, nullptr, DI_NORMAL);
      return;
    }
    bitmap = image.bitmap;
    SIZE size = BitmapSize(bitmap);
    sw = size.cx;
    sh = size.cy;
  } else {
    bitmap = pictures_[size_t(PictureSlot::Strip)];
    SIZE size = BitmapSize(bitmap);
    if (cols < 1) cols = 1;
    if (rows < 1) rows = 1;
    if (number > cols * rows) return;
    sw = size.cx / cols;
    sh = size.cy / rows;
    sx = ((number - 1) % cols) * sw;
    sy = ((number - 1) / cols) * sh;
  }
  if (!bitmap || sw <= 0 || sh <= 0) return;
  DrawMasked(dc, cell, bitmap, sx, sy, sw, sh, mask);
}

void TreeGraphics::DrawMasked(HDC dc, const RECT& cell, HBITMAP bitmap, int sx, int sy, int sw, int sh, COLORREF mask) {
  const int width = cell.right - cell.left, height = cell.bottom - cell.top;
  if (!bitmap || width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ oldSource = SelectObject(source, bitmap);
  // Mask: 1 where the picture has the mask colour.
  HDC maskDc = CreateCompatibleDC(dc);
  HBITMAP maskBitmap = CreateBitmap(sw, sh, 1, 1, nullptr);
  HGDIOBJ oldMask = SelectObject(maskDc, maskBitmap);
  COLORREF oldSourceBack = SetBkColor(source, mask);
  BitBlt(maskDc, 0, 0, sw, sh, source, sx, sy, SRCCOPY);
  SetBkColor(source, oldSourceBack);
  // dest ^= src; dest &= mask (mask bits 0 become black); dest ^= src: masked pixels keep the
  // background, the others become the picture.
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, cell.left, cell.top, width, height, source, sx, sy, sw, sh, SRCINVERT);
  StretchBlt(dc, cell.left, cell.top, width, height, maskDc, 0, 0, sw, sh, SRCAND);
  StretchBlt(dc, cell.left, cell.top, width, height, source, sx, sy, sw, sh, SRCINVERT);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  SelectObject(maskDc, oldMask);
  DeleteObject(maskBitmap);
  DeleteDC(maskDc);
  SelectObject(source, oldSource);
  DeleteDC(source);
}

}  // namespace kv::tree
