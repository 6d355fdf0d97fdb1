// The tree-list control the resident helper keeps on its hidden window so that kvtree.dll stays
// loaded. The library is looked for in the given folders in turn; without it the buffer stays empty
// and its calls do nothing. COM and the control's library are loaded only here, never at start-up.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "helper/core/resident_mode.h"

struct IkvTreeView;

namespace kv::helper {

class TreeListBuffer : public KeepAliveTree {
 public:
  TreeListBuffer() = default;
  ~TreeListBuffer() override;
  TreeListBuffer(const TreeListBuffer&) = delete;
  TreeListBuffer& operator=(const TreeListBuffer&) = delete;

  // Loads "kvtree.dll" from the first folder (ending in a backslash) that has it and makes the control
  // in `parent`. False when no library or no control could be had.
  bool Create(HWND parent, const std::vector<std::string>& folders);
  bool Loaded() const { return control_ != nullptr; }

  long ListCount() override;
  void AddNode(const std::string& text, short position, short level) override;
  void RemoveNode(long index) override;

 private:
  IkvTreeView* control_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace kv::helper
