// BackImg: the main window's background picture, which every function page gives its trees as their
// background (tiled behind the lines). A light pattern that keeps the lines' text readable.
#pragma once

#include <windows.h>

namespace kv {

class BackImg {
 public:
  BackImg();
  ~BackImg();
  BackImg(const BackImg&) = delete;
  BackImg& operator=(const BackImg&) = delete;

  // Null when the picture could not be made (the trees then show their plain background).
  HBITMAP Picture() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
};

}  // namespace kv
