// The plain C entry of kvslide.dll for our own programs (beside the COM class factory):
//
//   HRESULT KvSlideCreate(HWND parent, int x, int y, int width, int height, int controlId,
//                         _DkvSlide** slider);
//
// Creates a kvSlide control as a visible child window of `parent` at the given client rectangle
// (pixels) and returns its dual interface with one reference. Only COM types and plain values
// cross the library boundary, so each side may link its own static C runtime. The control's
// window lives as long as the object: releasing the last reference destroys it; destroying the
// parent destroys the window first and leaves a windowless object until it is released.
// Events come through the object's connection point (IConnectionPointContainer, _DkvSlideEvents);
// Value changes also through IPropertyNotifySink (dispatch id 16).
#pragma once

#include <windows.h>

#include "kvslide_h.h"

extern "C" {
typedef HRESULT(__stdcall* KvSlideCreateFunction)(HWND parent, int x, int y, int width, int height, int controlId,
                                                  _DkvSlide** slider);
}

#define KVSLIDE_CREATE_EXPORT "KvSlideCreate"
