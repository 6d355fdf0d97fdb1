// What the tree-list window reports to the object that owns it (the automation layer turns each
// call into an event), and the owner's reference count, held while a message is being handled.
#pragma once

#include <windows.h>

#include <string>

#include "treelist/model/node.h"

namespace kv::tree {

enum class MouseEvent { Down, Up, Move };
// DragNode: a drag of the node begins; DropNode: a drag ended on this control (index -1: below the
// last line); StartDragOut: this control's drag left it (index unused).
enum class NodeEvent {
  Collapse,
  Expand,
  RightClick,
  ClickClip,
  NodeOver,
  SetLabelEdit,
  BeforeLabelEdit,
  DragNode,
  DropNode,
  StartDragOut
};
enum class KeyEvent { Down, Up, Press };

class TreeWindowHost {
 public:
  virtual void HoldHost() = 0;
  virtual void ReleaseHost() = 0;
  virtual void OnMouse(MouseEvent event, short button, short shift, int x, int y) = 0;
  virtual void OnClick(bool doubleClick) = 0;
  // Returns the key code after the handlers (0 = swallowed).
  virtual short OnKey(KeyEvent event, short keyCode, short shift) = 0;
  virtual void OnNode(NodeEvent event, Index index) = 0;
  virtual void OnCheckClick(Index index, short column, bool value) = 0;
  virtual void OnRadioClick(Index index, short value) = 0;
  virtual void OnAfterLabelEdit(Index index, const std::wstring& text) = 0;
  virtual void OnHeaderClick(short column, bool doubleClick) = 0;
  virtual void OnColumnResize(short column, short width) = 0;
  virtual void OnSetTips(Index index, short kind) = 0;
  // Virtual loading: the node's content for `column` is wanted (GetNode).
  virtual void OnGetNode(Index index, short column) = 0;
  virtual void OnWindowDestroyed() = 0;
  // The window got the keyboard focus (a click, Tab, or the container's SetFocus).
  virtual void OnFocusGained() {}

 protected:
  ~TreeWindowHost() = default;
};

}  // namespace kv::tree
