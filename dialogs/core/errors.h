// Error numbers and texts of the subclassing and timer services. They reach COM clients as
// 0x80040000 + number with the source "<module>.WindowProc".
#pragma once

#include <cstdint>

namespace kvdlg {

enum class ServiceError : int {
  None = 0,
  CantSubclass = 13081,
  AlreadyHandled = 13082,
  InvalidWindow = 13083,
  ExternalWindow = 13084,
  TooManyTimers = 13651,
  CantCreateTimer = 13652,
};

const char* ServiceErrorText(ServiceError error);
std::uint32_t ServiceErrorHresult(ServiceError error);

}  // namespace kvdlg
