// What the slider window needs from the object that owns it: the model, the user-look pictures,
// and a place to send the stock mouse events.
#pragma once

#include <windows.h>

#include "slider/model/slider_model.h"

namespace kvslide {

enum class PictureSlot { Back, Thumb };

class SliderHost {
 public:
  virtual SliderModel& Model() = 0;
  // Draws the picture of the slot stretched into `box`; false when there is none.
  virtual bool DrawPicture(PictureSlot slot, HDC dc, const RECT& box) = 0;
  // Stock events: MouseDown / MouseUp / MouseMove with button and shift masks and pixel position.
  virtual void MouseEvent(int dispatchId, short button, short shift, long x, long y) = 0;
  // Stock events without arguments: Click, DblClick.
  virtual void PlainEvent(int dispatchId) = 0;
  // Keep the host alive while the window handles one message (an event handler may drop the
  // last outside reference).
  virtual void Hold() = 0;
  virtual void Unhold() = 0;
  // The window is being destroyed (by its parent or by the owner).
  virtual void WindowGone() = 0;
  // The window got the keyboard focus (a click, Tab, or the container's SetFocus).
  virtual void FocusGained() {}
  // The container's font (its ambient font) while FontName is empty; nullptr: ask the parent
  // window (WM_GETFONT).
  virtual HFONT ContainerFont() { return nullptr; }

 protected:
  ~SliderHost() = default;
};

}  // namespace kvslide
