// What the tree-list model reports to its control: refused operations, selection changes,
// content changes (repaint) and the end of an in-place edit.
#pragma once

#include <cstdint>

#include "treelist/model/node.h"

namespace kv::tree {

// The refusal codes carried by the CtrlError event.
enum ErrorCode : int16_t {
  kErrOutOfMemory = 32000,
  kErrAddFailed = 32001,
  kErrInsertColumn = 32002,
  kErrColumnRange = 32003,
  kErrIndexRange = 32004,
  kErrNotCheckColumn = 32005,
  kErrSortColumn = 32006,
  kErrLevelCorrected = 32007,
  kErrRadioSet = 32010,
  kErrMoveNode = 32011,
  kErrAddImage = 32020,
};

class TreeObserver {
 public:
  virtual ~TreeObserver() = default;
  virtual void OnCtrlError(int16_t code, Index index) = 0;
  virtual void OnSelectionChanged(Index index) = 0;  // the Change event
  virtual void OnContentChanged() = 0;               // modified: repaint
  virtual void OnEndEdit() = 0;                      // an in-place edit must end now
};

}  // namespace kv::tree
