// The tree-list control window: creation, the message switch, scrolling, metrics from the fonts,
// and repaint requests. Painting is in tree_painter.cpp, mouse and keyboard in tree_input.cpp.
#pragma once

#include <windows.h>

#include "treelist/model/node_drag.h"
#include "treelist/model/plain_properties.h"
#include "treelist/model/tree_layout.h"
#include "treelist/model/tree_model.h"
#include "treelist/win/label_editor.h"
#include "treelist/win/tip_window.h"
#include "treelist/win/tree_graphics.h"
#include "treelist/win/tree_window_host.h"

namespace kv::tree {

class TreeWindow {
 public:
  static constexpr const wchar_t* kClassName = L"kvTreeView";
  // Timers of the window: the tool tip's delay and watch (tree_input.cpp), the drag scroll (tree_drag.cpp).
  static constexpr UINT_PTR kTipTimer = 1;
  static constexpr UINT_PTR kTipWatchTimer = 2;  // hides the tip once the mouse has left the control
  static constexpr UINT_PTR kDragScrollTimer = 3;

  TreeWindow(TreeModel& model, PlainProperties& props, TreeGraphics& graphics, TreeWindowHost& host);
  ~TreeWindow();
  TreeWindow(const TreeWindow&) = delete;
  TreeWindow& operator=(const TreeWindow&) = delete;

  bool Create(HWND parent, const RECT& rect, int controlId);
  void Destroy();
  HWND Handle() const { return hwnd_; }

  TreeLayout& Layout() { return layout_; }
  // Recomputes metrics (fonts, title, header) and repaints; call after any property change.
  void Refresh();
  // Asks for a repaint (painting happens when the message queue is next served).
  void Invalidate();
  // ReDraw: metrics recomputed and repainted; `now` paints before returning.
  void Redraw(bool now);
  void EnsureVisible(Index node);
  bool StartLabelEdit();
  void EndLabelEdit(bool store);
  bool Editing() const { return editor_.Active(); }
  std::wstring EditText() const { return editor_.Text(); }

  // A drag over this control, run by a container or by another kvTreeView (tree_drag.cpp); (x, y)
  // in client pixels, state 0 enter, 1 leave, 2 over. Marks the line a drop would land on and
  // returns its node (-1 below the last line, kNoDrop where nothing may be dropped).
  Index DragOverAt(int x, int y, int state);
  // Ends such a drag at (x, y): clears the mark and, unless the answer is kNoDrop, fires DropNode.
  Index DropAt(int x, int y);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  void OnPaint();
  void AskForContent();  // virtual loading: GetNode for the lines coming on screen
  void PaintInto(HDC dc);
  void OnSize();
  void OnVScroll(int code);
  void OnWheel(int delta);
  void OnMouseButton(UINT message, int x, int y);
  void OnMouseMove(WPARAM wParam, int x, int y);
  bool OnSetCursor();
  void OnTimer(UINT_PTR id);
  void ArmTip(Index node);
  void ShowTip();
  void HideTip();
  void OnKeyDown(WPARAM key);
  void OnChar(WPARAM key);
  void OnKeyUp(WPARAM key);

  // This control's own node drag (tree_drag.cpp).
  void DragMove(int x, int y);
  bool DragRelease(int x, int y);  // true when a drag ended here (no Click then)
  void DragCancel();
  void DragScroll();  // the drag-scroll timer's tick
  HWND OtherTreeAt(POINT screen) const;
  void SetDropMark(Index node);
  void PaintDropMark(HDC dc);

  BOOL ItemRect(Index node, RECT* rect);
  void UpdateMetrics();
  void UpdateScrollBar();
  void ScrollToLine(Index line);
  void Toggle(Index node);
  void FinishEdit(Index node, bool store, const std::wstring& text);
  bool TextClipped(Index node);
  void MoveSelection(Index node);

  TreeModel& model_;
  PlainProperties& props_;
  TreeGraphics& graphics_;
  TreeWindowHost& host_;
  TreeLayout layout_;
  LabelEditor editor_;
  TipWindow tip_;
  bool inAfterEdit_ = false;  // AfterLabelEdit is being handled
  bool editRefused_ = false;  // ... and its handler called CancelEdit
  Index tipNode_ = -1;
  HWND hwnd_ = nullptr;
  bool focused_ = false;
  bool paintPending_ = false;  // an InvalidateRect is waiting for its WM_PAINT
  Index hoverNode_ = -1;
  bool doubleClicked_ = false;  // the left button went down as a double click
  int resizingColumn_ = 0;      // header column being widened by the mouse, 0 = none
  int resizeStartX_ = 0;
  int resizeStartWidth_ = 0;
  int wheelRest_ = 0;
  NodeDrag drag_;
  Index dropMark_ = kNoDrop;  // line marked as drop target (-1: below the last line)
  Index dragSource_ = -1;     // the node of this control's running drag, for the marks it draws
  HWND dragOver_ = nullptr;   // another kvTreeView the pointer is over during this control's drag
  bool dragHere_ = false;     // a drag (this control's, another tree's, the container's) is over it
  POINT dragPoint_ = {0, 0};  // ... and where, in client pixels
  HDC bufferDc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  SIZE bufferSize_ = {0, 0};
};

}  // namespace kv::tree
