// The scratch picture (see icon_scratch_picture.h).
#include "app/pages/icons/win32/icon_scratch_picture.h"
#include "app/controls/win32/drawing_bitmap.h"
#include "app/controls/win32/system_function.h"

#include <shellapi.h>

namespace kv {

namespace {
// A memory DC with the picture selected, for one drawing step.
class PictureDc {
 public:
  explicit PictureDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, bitmap)) {}
  ~PictureDc() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  PictureDc(const PictureDc&) = delete;
  PictureDc& operator=(const PictureDc&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};
}  // namespace

IconScratchPicture::IconScratchPicture() {
  HDC screen = GetDC(nullptr);
  bitmap_ = controls::CreatePictureBitmap(kScratchPictureSize, kScratchPictureSize);
  ReleaseDC(nullptr, screen);
  Clear();
}

IconScratchPicture::~IconScratchPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

void IconScratchPicture::Clear() {
  if (!bitmap_) return;
  PictureDc picture(bitmap_);
  RECT all = {0, 0, kScratchPictureSize, kScratchPictureSize};
  HBRUSH brush = CreateSolidBrush(kScratchMaskColour);
  FillRect(picture.dc(), &all, brush);
  DeleteObject(brush);
}

bool IconScratchPicture::Draw(const std::string& file, int index) {
  if (!bitmap_ || file.empty()) return false;
  HICON large = nullptr, small = nullptr;
  using ExtractFn = UINT(WINAPI*)(LPCSTR, int, HICON*, HICON*, UINT);
  static const auto extract = SystemFunction<ExtractFn>("shell32.dll", "ExtractIconExA");
  if (extract) extract(file.c_str(), index, &large, &small, 1);
  bool drawn = false;
  if (large) {
    PictureDc picture(bitmap_);
    drawn = DrawIconEx(picture.dc(), 0, 0, large, 0, 0, 0, nullptr, DI_NORMAL) != FALSE;
  }
  if (large) DestroyIcon(large);
  if (small) DestroyIcon(small);
  return drawn;
}

COLORREF IconScratchPicture::Pixel(int x, int y) const {
  if (!bitmap_) return CLR_INVALID;
  PictureDc picture(bitmap_);
  return GetPixel(picture.dc(), x, y);
}

}  // namespace kv
