// A function tree as a child window of a page: the FunctionTreeView operations plus what the page
// window needs to place it. Two implementations: the kvTreeView control (kv_tree_control) and the
// system tree view (win32_tree_view), used when the control's library cannot be loaded.
#pragma once

#include <windows.h>

#include "app/pages/core/function_tree.h"

namespace kv {

class TreeControl : public FunctionTreeView {
 public:
  virtual HWND hwnd() const = 0;
  // After the window got its real size.
  virtual void RefreshLayout() {}
  virtual void ScrollToTop() {}
  // The picture tiled behind the lines (kept as a copy); the system tree view has none.
  virtual void SetBackImage(HBITMAP) {}
};

}  // namespace kv
