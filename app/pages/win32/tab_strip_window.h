// The tab strip control in place of SSTab: draws the TabStripModel and reports a change of tab.
#pragma once

#include <windows.h>

#include "app/pages/win32/window_object.h"

#include <functional>

#include "app/pages/core/tab_strip_model.h"

namespace kv {

class TabStripWindow {
 public:
  using ChangeHandler = std::function<void(int newTab)>;
  // Creates the strip as a child window; captions are already localised.
  static TabStripWindow* Create(HWND parent, int id, const std::vector<std::string>& captions, ChangeHandler onChange);
  HWND hwnd() const { return hwnd_; }
  int Tab() const { return model_.Tab(); }
  // Sets the current tab (by program); raises the change handler when it changed.
  void SetTab(int tab);

 private:
  friend LRESULT CALLBACK OwnedObjectProc<TabStripWindow>(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  void Click(int x, int y);
  int Measure(const std::string& s) const;
  HWND hwnd_ = nullptr;
  TabStripModel model_;
  ChangeHandler onChange_;
};

constexpr int kTabStripHeight = 26;

}  // namespace kv
