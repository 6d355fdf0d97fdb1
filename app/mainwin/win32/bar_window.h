// The bar control window in place of the outside toolbar control: draws a BarModel (menu bar, headline
// band, side bar, page host), places hosted controls and the client-area control, shows bands as pop-up
// menus and turns mouse and keyboard input into the model's events.
#pragma once

#include <windows.h>

#include "app/pages/win32/window_object.h"

#include <map>
#include <string>
#include <vector>

#include "app/mainwin/core/bar_layout.h"
#include "app/mainwin/core/bar_model.h"

namespace kv {

class SoundOutput;

class BarWindow {
 public:
  static BarWindow* Create(HWND parent, BarModel& model, SoundOutput& sound);
  HWND hwnd() const { return hwnd_; }
  BarModel& Model() { return model_; }

  // The control shown in the client area (right of the side bar, below the headline).
  void SetClientControl(HWND control) { client_ = control; }
  // Recomputes the layout, moves hosted controls and repaints.
  void RecalcLayout();
  // Shows a band as a pop-up menu at the pointer (or below a menu-bar item); the choice is raised as a
  // tool click. Returns after the menu has closed.
  void PopupBand(const std::string& band);
  // Opens the menu whose access key is `key` (Alt + letter); false when none has it.
  bool OpenMenuByKey(char key);
  void PlayWave(const std::string& path, unsigned flags);
  // Height of the client-area box in pixels, as laid out now.
  int ClientAreaHeight() const;

 private:
  BarWindow(BarModel& model, SoundOutput& sound) : model_(model), sound_(sound) {}
  friend LRESULT CALLBACK OwnedObjectProc<BarWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Layout();
  void Paint();
  void PaintMenuItem(HDC dc, const BarItem& item);
  void PaintSideBar(HDC dc, const BarItem& item);
  const BandLook& SideBarLook() const;
  static void PaintBandBackground(HDC dc, const RECT& r, const BandLook& look);
  void MouseMove(int x, int y);
  void MouseDown(int x, int y);
  void PopupAt(const std::string& band, int x, int y, bool atPointer);
  int Measure(const std::string& text);

  BarModel& model_;
  SoundOutput& sound_;
  HWND hwnd_ = nullptr;
  HWND client_ = nullptr;
  std::vector<BarItem> items_;
  std::map<std::string, int> textWidths_;  // the captions' widths in the bar font, measured once
  BarMetrics metrics_;
  int hot_ = -1;      // item under the pointer
  int openMenu_ = -1; // menu-bar item whose menu is open
};

}  // namespace kv
