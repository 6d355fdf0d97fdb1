// System timers behind IntervalTimer (see timer_service.h).
#include "dialogs/win/timer_service.h"

#include <windows.h>

namespace kvdlg {

namespace {

TimerTable g_table;

void CALLBACK TimerProcedure(HWND, UINT, UINT_PTR number, DWORD) {
  if (auto* timer = static_cast<IntervalTimer*>(g_table.Find(number))) timer->Tick();
}

class SystemTimers : public TimerOps {
 public:
  std::uintptr_t Start(std::int32_t milliseconds) override {
    return SetTimer(nullptr, 0, static_cast<UINT>(milliseconds), &TimerProcedure);
  }
  void Stop(std::uintptr_t number) override { KillTimer(nullptr, number); }
};

SystemTimers g_system;

}  // namespace

IntervalTimer::~IntervalTimer() { state_.SetInterval(0, this, g_table, g_system); }

ServiceError IntervalTimer::SetInterval(std::int32_t milliseconds) {
  return state_.SetInterval(milliseconds, this, g_table, g_system);
}

std::size_t RunningTimerCount() { return g_table.Count(); }

}  // namespace kvdlg
