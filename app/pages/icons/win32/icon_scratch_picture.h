// The 32 x 32 scratch picture into which an icon is drawn before it goes into a list's image store.
// Its background is the list's own background (icon edges are blended with it when drawn), which the
// list also takes as its mask colour.
#pragma once

#include <windows.h>

#include <string>

#include "app/pages/win32/ui_theme.h"

namespace kv {

inline constexpr int kScratchPictureSize = 32;
inline constexpr COLORREF kScratchMaskColour = ui::kPageBack;

class IconScratchPicture {
 public:
  IconScratchPicture();
  ~IconScratchPicture();
  IconScratchPicture(const IconScratchPicture&) = delete;
  IconScratchPicture& operator=(const IconScratchPicture&) = delete;

  void Clear();
  // Draws the large icon `index` of `file` at 0,0 in its natural size. False when the file has no such
  // icon or the drawing fails; the extracted icons are destroyed either way.
  bool Draw(const std::string& file, int index);
  HBITMAP Bitmap() const { return bitmap_; }
  // Colour of one pixel (tests).
  COLORREF Pixel(int x, int y) const;

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace kv
