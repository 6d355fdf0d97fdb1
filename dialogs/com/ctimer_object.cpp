// COM class CTimer: raises its Tick event at the interval set in Interval.
#include "activex/connection_point.h"
#include "dialogs/com/automation_object.h"
#include "dialogs/com/com_support.h"
#include "dialogs/win/timer_service.h"
#include "korvndlg_h.h"

namespace kvdlg::com {

namespace {

constexpr DISPID kTickEvent = 1;

class CTimer final : public AutomationObject<_CTimer> {
 public:
  CTimer() : AutomationObject(IID__CTimer), events_(Unknown(), DIID___CTimer), timer_([this] { OnTick(); }) {}
  ~CTimer() override {
    timer_.SetInterval(0);
    events_.DisconnectAll();
  }

  STDMETHODIMP get_Interval(LONG* milliseconds) override {
    if (milliseconds == nullptr) return E_POINTER;
    *milliseconds = timer_.Interval();
    return S_OK;
  }
  STDMETHODIMP put_Interval(LONG milliseconds) override { return RaiseServiceError(timer_.SetInterval(milliseconds)); }

 protected:
  HRESULT QueryOther(REFIID iid, void** object) override { return QueryEvents(events_, iid, object); }

 private:
  void OnTick() {
    // A sink may release the last reference while the event runs.
    AddRef();
    events_.Fire(kTickEvent, nullptr, 0);
    Release();
  }

  kv::com::ConnectionPoints events_;
  IntervalTimer timer_;
};

}  // namespace

HRESULT CreateCTimer(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) CTimer, iid, object);
}

}  // namespace kvdlg::com
