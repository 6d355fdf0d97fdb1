// The tool tip of the tree-list: a small borderless popup showing one text in the tip colours.
#pragma once

#include <windows.h>

#include <string>

namespace kv::tree {

class TipWindow {
 public:
  ~TipWindow();
  // Shows `text` with its top-left corner at `screen`; replaces a tip already shown.
  void Show(HWND owner, POINT screen, const std::wstring& text, COLORREF back, COLORREF fore, HFONT font);
  void Hide();
  bool Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }
  HWND Handle() const { return hwnd_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();

  HWND hwnd_ = nullptr;
  std::wstring text_;
  COLORREF back_ = 0, fore_ = 0;
  HFONT font_ = nullptr;
};

}  // namespace kv::tree
