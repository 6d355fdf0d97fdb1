// The headline picture box `Haedline`: shows `HaedLabel` (the current tool) or, for three seconds after a
// setting was saved, `InfoLabel`.
#pragma once

#include <windows.h>

#include "app/pages/win32/window_object.h"

#include <string>

namespace kv {

class HeadlineWindow {
 public:
  static HeadlineWindow* Create(HWND parent);
  HWND hwnd() const { return hwnd_; }
  void SetHaedLabel(const std::string& text);
  void SetInfoLabel(const std::string& text);
  const std::string& HaedLabel() const { return haedLabel_; }
  // true: InfoLabel shown and HaedLabel hidden; false: the other way round.
  void ShowInfo(bool info);
  bool InfoShown() const { return info_; }

 private:
  friend LRESULT CALLBACK OwnedObjectProc<HeadlineWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  HWND hwnd_ = nullptr;
  std::string haedLabel_ = "...";
  std::string infoLabel_;
  bool info_ = false;
};

}  // namespace kv
