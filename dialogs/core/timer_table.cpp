// Timer table and Interval rules (see timer_table.h).
#include "dialogs/core/timer_table.h"

namespace kvdlg {

bool TimerTable::Add(void* owner, std::uintptr_t timerNumber) {
  for (Slot& slot : slots_) {
    if (slot.owner == nullptr) {
      slot.owner = owner;
      slot.timerNumber = timerNumber;
      return true;
    }
  }
  return false;
}

void TimerTable::Remove(void* owner) {
  for (Slot& slot : slots_) {
    if (slot.owner == owner) slot = Slot{};
  }
}

void* TimerTable::Find(std::uintptr_t timerNumber) const {
  for (const Slot& slot : slots_) {
    if (slot.owner != nullptr && slot.timerNumber == timerNumber) return slot.owner;
  }
  return nullptr;
}

bool TimerTable::Full() const { return Count() == kSlots; }

std::size_t TimerTable::Count() const {
  std::size_t n = 0;
  for (const Slot& slot : slots_) n += slot.owner != nullptr ? 1 : 0;
  return n;
}

void TimerState::Stop(void* owner, TimerTable& table, TimerOps& ops) {
  if (timerNumber_ != 0) {
    ops.Stop(timerNumber_);
    table.Remove(owner);
  }
  timerNumber_ = 0;
  interval_ = 0;
}

ServiceError TimerState::SetInterval(std::int32_t milliseconds, void* owner, TimerTable& table, TimerOps& ops) {
  if (milliseconds <= 0) {
    Stop(owner, table, ops);
    return ServiceError::None;
  }
  if (milliseconds == interval_ && timerNumber_ != 0) return ServiceError::None;
  Stop(owner, table, ops);
  if (table.Full()) return ServiceError::TooManyTimers;
  std::uintptr_t number = ops.Start(milliseconds);
  if (number == 0) return ServiceError::CantCreateTimer;
  table.Add(owner, number);
  timerNumber_ = number;
  interval_ = milliseconds;
  return ServiceError::None;
}

}  // namespace kvdlg
