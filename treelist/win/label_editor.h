// In-place label edit: an edit box over a node's text; Enter stores, Escape or CancelEdit drops.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "treelist/model/node.h"

namespace kv::tree {

class LabelEditor {
 public:
  using Finished = std::function<void(Index node, bool store, const std::wstring& text)>;

  ~LabelEditor() { Close(); }
  bool Active() const { return edit_ != nullptr; }
  Index Node() const { return node_; }
  // Opens the edit box as a child of `parent` at `rect` with `text`; `done` is called once.
  bool Open(HWND parent, const RECT& rect, HFONT font, Index node, const std::wstring& text, Finished done);
  // Ends the edit: `store` passes the text to the callback as accepted.
  void End(bool store);
  std::wstring Text() const;

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Close();

  HWND edit_ = nullptr;
  WNDPROC editDefault_ = nullptr;
  Index node_ = -1;
  Finished done_;
};

}  // namespace kv::tree
