// Message subclassing for objects of this process: a client receives chosen messages of a window,
// before or after the window's previous procedure (its MsgResponse). The bookkeeping lives in the
// window's properties (see core/subclass_book.h).
#pragma once

#include <windows.h>

#include <cstdint>

#include "dialogs/core/errors.h"

namespace kvdlg {

class SubclassClient {
 public:
  virtual ~SubclassClient() = default;
  // 2 = previous procedure before the clients, 1 = after them, other = not at all.
  virtual std::int32_t MsgResponse(UINT message) = 0;
  virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The window was destroyed while the client was still attached to message; it is detached now.
  virtual void WindowGone(HWND, UINT) {}
};

ServiceError AttachMessage(SubclassClient* client, HWND window, UINT message);
// True when the client was attached to that message.
bool DetachMessage(SubclassClient* client, HWND window, UINT message);

// The message being dispatched (valid inside MsgResponse and WindowProc).
UINT CurrentMessage();

// Calls the procedure the window had before it was subclassed (its current one when not subclassed).
LRESULT CallOldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kvdlg
