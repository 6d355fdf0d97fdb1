// Error texts of the subclassing and timer services (see errors.h).
#include "dialogs/core/errors.h"

namespace kvdlg {

const char* ServiceErrorText(ServiceError error) {
  switch (error) {
    case ServiceError::CantSubclass: return "Can't subclass window";
    case ServiceError::AlreadyHandled: return "Message already handled by another class";
    case ServiceError::InvalidWindow: return "Invalid window";
    case ServiceError::ExternalWindow: return "Can't modify external window";
    case ServiceError::TooManyTimers: return "No more than 10 timers allowed per class";
    case ServiceError::CantCreateTimer: return "Can't create system timer";
    default: return "";
  }
}

std::uint32_t ServiceErrorHresult(ServiceError error) {
  return error == ServiceError::None ? 0u : 0x80040000u + static_cast<std::uint32_t>(error);
}

}  // namespace kvdlg
