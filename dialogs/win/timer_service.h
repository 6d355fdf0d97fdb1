// Timers that call back at a fixed interval from a system timer (no window needed).
// Every running timer sits in the library-wide table and is found again by its system timer number.
#pragma once

#include <cstdint>
#include <functional>

#include "dialogs/core/errors.h"
#include "dialogs/core/timer_table.h"

namespace kvdlg {

class IntervalTimer {
 public:
  explicit IntervalTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
  ~IntervalTimer();  // stops the timer (Interval 0)
  IntervalTimer(const IntervalTimer&) = delete;
  IntervalTimer& operator=(const IntervalTimer&) = delete;

  std::int32_t Interval() const { return state_.Interval(); }
  // 0 or less stops; errors: TooManyTimers, CantCreateTimer (Interval stays 0).
  ServiceError SetInterval(std::int32_t milliseconds);

  void Tick() {
    if (onTick_) onTick_();
  }

 private:
  TimerState state_;
  std::function<void()> onTick_;
};

// How many timers run in the process (tests).
std::size_t RunningTimerCount();

}  // namespace kvdlg
