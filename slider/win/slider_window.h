// The slider's window: a child window that turns messages into model calls and paints the model.
// The object behind it (a SliderHost) owns it; the window tells the host when it goes away.
#pragma once

#include <windows.h>

#include "slider/win/slider_fonts.h"
#include "slider/win/slider_host.h"

namespace kvslide {

class SliderWindow {
 public:
  // Creates the window as a child of `parent`; null when that fails.
  static HWND Create(SliderHost* host, HWND parent, const RECT& box, int controlId);
  // Registers / unregisters the window class in `module` (once per process / at unload).
  static bool RegisterClass(HINSTANCE module);
  static void UnregisterClass(HINSTANCE module);
  static const wchar_t* ClassName() { return L"kvSlideWindow"; }

 private:
  SliderWindow(HWND hwnd, SliderHost* host);
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void OnPaint();
  void PaintInto(HDC dc);
  void OnSize(int width, int height);
  void OnButtonDown(UINT message, WPARAM keys, int x, int y);
  void OnButtonUp(UINT message, WPARAM keys, int x, int y);
  void OnMouseMove(WPARAM keys, int x, int y);
  bool OnKeyDown(WPARAM key);
  void OnKeyUp();
  void OnCaptureLost();
  void RefreshFonts();

  HWND hwnd_;
  SliderHost* host_;
  SliderFonts fonts_;
  bool leftPressedInside_ = false;
};

}  // namespace kvslide
