// Bookkeeping of message subclassing, kept as named properties on the subclassed window itself:
//   "<hwnd>"          the window procedure in place before the subclass
//   "C<hwnd>"         how many attachments the window has
//   "<hwnd>#<msg>C"   how many clients a message has
//   "<hwnd>#<msg>#<n>" client n (from 1)
// The window calls (properties, installing the procedure) go through WindowOps so the rules
// run without windows in the unit tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/core/errors.h"

namespace kvdlg {

using WindowId = std::uintptr_t;
using PropValue = std::intptr_t;  // a window property holds a pointer-sized value; 0 = absent

class WindowOps {
 public:
  virtual ~WindowOps() = default;
  virtual bool Exists(WindowId window) = 0;
  virtual bool OwnedByThisProcess(WindowId window) = 0;
  // Installs the library's procedure; returns the previous one, 0 on failure.
  virtual PropValue InstallProcedure(WindowId window) = 0;
  virtual void RestoreProcedure(WindowId window, PropValue previous) = 0;
  virtual PropValue ReadProp(WindowId window, const std::string& name) = 0;
  virtual void WriteProp(WindowId window, const std::string& name, PropValue value) = 0;
  virtual void DropProp(WindowId window, const std::string& name) = 0;
};

// Client of one dispatch: what it answers for MsgResponse and its WindowProc.
class DispatchOps {
 public:
  virtual ~DispatchOps() = default;
  virtual std::int32_t Response(PropValue client, std::uint32_t message) = 0;
  virtual std::intptr_t CallClient(PropValue client) = 0;
  virtual std::intptr_t CallPrevious(PropValue previousProcedure) = 0;
};

// MsgResponse values.
constexpr std::int32_t kCallPreviousAfter = 1;
constexpr std::int32_t kCallPreviousBefore = 2;

class SubclassBook {
 public:
  explicit SubclassBook(WindowOps& ops) : ops_(ops) {}

  ServiceError Attach(WindowId window, std::uint32_t message, PropValue client);
  // Removing a client that is not attached does nothing and returns false.
  bool Detach(WindowId window, std::uint32_t message, PropValue client);

  PropValue PreviousProcedure(WindowId window);
  std::int32_t AttachmentCount(WindowId window);
  std::vector<PropValue> Clients(WindowId window, std::uint32_t message);

  // Runs the clients of a message in order; see the MsgResponse rules.
  std::intptr_t Dispatch(WindowId window, std::uint32_t message, DispatchOps& dispatch);

  static std::string ProcedureName(WindowId window);
  static std::string WindowCountName(WindowId window);
  static std::string MessageCountName(WindowId window, std::uint32_t message);
  static std::string ClientName(WindowId window, std::uint32_t message, std::int32_t number);

 private:
  WindowOps& ops_;
};

}  // namespace kvdlg
