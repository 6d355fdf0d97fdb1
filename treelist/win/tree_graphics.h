// GDI objects the tree-list draws with: the control fonts, fonts given per node, the picture strip
// and image list, and the optional pictures (plus/minus, check marks, back image). The automation
// layer owns the picture objects; this class keeps only handles and the fonts it created.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kv::tree {

struct FontSpec {
  std::wstring name = L"MS Sans Serif";
  float size = 8.25f;
  bool bold = false, italic = false, underline = false, strikeout = false;
};

// Pictures chosen by property; a null handle means "draw the built-in look".
enum class PictureSlot {
  Strip,
  BackImage,
  TitleBackImage,
  PicturePlus,
  PictureMinus,
  PictureOpen,
  PictureClose,
  PictureLeaf,
  CheckUp,
  CheckDown,
  CheckDisabled,
  RadioUp,
  RadioDown,
  Count
};

class TreeGraphics {
 public:
  TreeGraphics() = default;
  ~TreeGraphics();
  TreeGraphics(const TreeGraphics&) = delete;
  TreeGraphics& operator=(const TreeGraphics&) = delete;

  void SetMainFont(const FontSpec& font);
  HFONT MainFont();
  HFONT BoldFont();
  // Copies of fonts handed in by the caller; the number is stored in nodes (0 = control font).
  int AddFont(HFONT source);
  HFONT NodeFont(int number) const;
  // The font a node's text is drawn in: its own font, else bold for bold and header-style lines.
  HFONT FontFor(int fontNumber, bool bold);
  void SetSubTextFont(HFONT source) { ReplaceCopy(subTextFont_, source); }
  void SetTitleFont(HFONT source) { ReplaceCopy(titleFont_, source); }
  void SetHeaderFont(HFONT source) { ReplaceCopy(headerFont_, source); }
  HFONT SubTextFont() { return subTextFont_ ? subTextFont_ : MainFont(); }
  HFONT TitleFont() { return titleFont_ ? titleFont_ : BoldFont(); }
  HFONT HeaderFont() { return headerFont_ ? headerFont_ : MainFont(); }

  void SetPicture(PictureSlot slot, HBITMAP bitmap) { pictures_[size_t(slot)] = bitmap; }
  HBITMAP Picture(PictureSlot slot) const { return pictures_[size_t(slot)]; }

  // Image list: bitmaps or icons by number from 1.
  struct Image {
    HBITMAP bitmap = nullptr;
    HICON icon = nullptr;
  };
  std::vector<Image>& Images() { return images_; }

  // Natural size of one picture (a strip cell, or the first image of the image list); 16 x 16
  // when there is none.
  SIZE PictureCellSize(bool useImageList, int cols, int rows) const;
  // Draws picture `number` (strip cell or image list entry) into `cell`, with `mask` transparent.
  void DrawPicture(HDC dc, int number, const RECT& cell, bool useImageList, int cols, int rows, COLORREF mask);
  // Draws a whole bitmap stretched or tiled into `area`.
  static void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& area);
  static SIZE BitmapSize(HBITMAP bitmap);
  // Copies `bitmap` (whole, or the source cell) stretched into `cell`, leaving `mask` pixels out.
  // Done with a monochrome mask and raster operations, which NT 4 has (it has no TransparentBlt).
  static void DrawMasked(HDC dc, const RECT& cell, HBITMAP bitmap, int sx, int sy, int sw, int sh, COLORREF mask);

 private:
  static void ReplaceCopy(HFONT& slot, HFONT source);
  void DropMainFonts();

  FontSpec spec_;
  HFONT mainFont_ = nullptr;
  HFONT boldFont_ = nullptr;
  HFONT subTextFont_ = nullptr;
  HFONT titleFont_ = nullptr;
  HFONT headerFont_ = nullptr;
  std::vector<HFONT> nodeFonts_;
  HBITMAP pictures_[size_t(PictureSlot::Count)] = {};
  std::vector<Image> images_;
};

}  // namespace kv::tree
