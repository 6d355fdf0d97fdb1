// What the hover-and-press window of a button needs from its model: pointer over, hover poll,
// press, release and cancel. The flat button and the picture button both answer to it.
#pragma once

namespace kv::controls {

class PressableModel {
 public:
  virtual ~PressableModel() = default;
  // The pointer moved over the control; true when the hover timer must be started.
  virtual bool PointerMoved() = 0;
  // Hover timer tick with "the window under the cursor is this control"; true to keep polling.
  virtual bool Poll(bool pointerOverControl) = 0;
  virtual void Press() = 0;
  // True when the click is raised.
  virtual bool Release(bool pointerOverControl) = 0;
  virtual void CancelPress() = 0;
  virtual bool Pressed() const = 0;
  // Milliseconds between two hover polls.
  virtual int PollInterval() const = 0;
};

}  // namespace kv::controls
