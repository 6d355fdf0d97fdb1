// The library-wide table of running timers and the rules of a timer's Interval property.
// System timers are created and killed through TimerOps so the rules run without windows.
#pragma once

#include <array>
#include <cstdint>

#include "dialogs/core/errors.h"

namespace kvdlg {

class TimerOps {
 public:
  virtual ~TimerOps() = default;
  // Starts a system timer; returns its number, 0 on failure.
  virtual std::uintptr_t Start(std::int32_t milliseconds) = 0;
  virtual void Stop(std::uintptr_t timerNumber) = 0;
};

class TimerTable {
 public:
  // The table keeps 100 slots; the full-table error keeps its historic text ("10 timers").
  static constexpr std::size_t kSlots = 100;

  bool Add(void* owner, std::uintptr_t timerNumber);
  void Remove(void* owner);
  void* Find(std::uintptr_t timerNumber) const;
  bool Full() const;
  std::size_t Count() const;

 private:
  struct Slot {
    void* owner = nullptr;
    std::uintptr_t timerNumber = 0;
  };
  std::array<Slot, kSlots> slots_{};
};

// One timer object's state.
class TimerState {
 public:
  std::int32_t Interval() const { return interval_; }
  std::uintptr_t TimerNumber() const { return timerNumber_; }

  // 0 or less stops; a different positive value restarts. Errors leave Interval at 0.
  ServiceError SetInterval(std::int32_t milliseconds, void* owner, TimerTable& table, TimerOps& ops);

 private:
  void Stop(void* owner, TimerTable& table, TimerOps& ops);
  std::int32_t interval_ = 0;
  std::uintptr_t timerNumber_ = 0;
};

}  // namespace kvdlg
