// A picture on a small control: an icon or a bitmap, not owned (the caller keeps it alive and
// frees it after the control is gone).
#pragma once

#include <windows.h>

namespace kv::controls {

class Picture {
 public:
  Picture() = default;
  // An icon drawn at `width` x `height` pixels.
  static Picture FromIcon(HICON icon, int width = 16, int height = 16);
  // A bitmap drawn at its own size.
  static Picture FromBitmap(HBITMAP bitmap);

  bool Empty() const { return !icon_ && !bitmap_; }
  SIZE Size() const { return size_; }
  // Draws with its top-left corner at (x, y); greyed = the disabled look.
  void Draw(HDC dc, int x, int y, bool greyed) const;

 private:
  void DrawPlain(HDC dc, int x, int y) const;

  HICON icon_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  SIZE size_ = {0, 0};
};

}  // namespace kv::controls
