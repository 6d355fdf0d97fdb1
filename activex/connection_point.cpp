// Connection point container with a single connection point for one source dispinterface.
#include "activex/connection_point.h"

#include "activex/point_enumerator.h"
#include "activex/sink_list.h"

namespace kv::com {

ConnectionPoints::ConnectionPoints(IUnknown* owner, REFIID eventInterface)
    : owner_(owner), eventInterface_(eventInterface), container_(this), point_(this) {}

ConnectionPoints::~ConnectionPoints() { DisconnectAll(); }

void ConnectionPoints::DisconnectAll() {
  ReleaseAllSinks(sinks_);
}

void ConnectionPoints::Fire(DISPID id, VARIANT* args, UINT count) {
  if (sinks_.empty() || muted_) return;
  std::vector<VARIANT> reversed(count);
  for (UINT i = 0; i < count; ++i) reversed[i] = args[count - 1 - i];  // shallow: args stay owned by caller
  std::vector<IDispatch*> targets = ReferencedSinks(sinks_);
  owner_->AddRef();  // a sink may drop the last outside reference while handling the event
  for (IDispatch* sink : targets) {
    DISPPARAMS params = {count ? reversed.data() : nullptr, nullptr, count, 0};
    VARIANT result;
    VariantInit(&result);
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, &result, nullptr, nullptr);
    VariantClear(&result);
    sink->Release();
  }
  owner_->Release();
}

// --- IConnectionPointContainer ---

STDMETHODIMP ConnectionPoints::ContainerPart::QueryInterface(REFIID iid, void** object) {
  return points_->owner_->QueryInterface(iid, object);
}
STDMETHODIMP_(ULONG) ConnectionPoints::ContainerPart::AddRef() { return points_->owner_->AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoints::ContainerPart::Release() { return points_->owner_->Release(); }

STDMETHODIMP ConnectionPoints::ContainerPart::EnumConnectionPoints(IEnumConnectionPoints** points) {
  IConnectionPoint* const only[] = {&points_->point_};
  return EnumeratePoints(only, 1, points);
}

STDMETHODIMP ConnectionPoints::ContainerPart::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (!IsEqualIID(iid, points_->eventInterface_)) return CONNECT_E_NOCONNECTION;
  *point = &points_->point_;
  (*point)->AddRef();
  return S_OK;
}

// --- IConnectionPoint ---

STDMETHODIMP ConnectionPoints::PointPart::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}
STDMETHODIMP_(ULONG) ConnectionPoints::PointPart::AddRef() { return points_->owner_->AddRef(); }
STDMETHODIMP_(ULONG) ConnectionPoints::PointPart::Release() { return points_->owner_->Release(); }

STDMETHODIMP ConnectionPoints::PointPart::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = points_->eventInterface_;
  return S_OK;
}

STDMETHODIMP ConnectionPoints::PointPart::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = &points_->container_;
  (*container)->AddRef();
  return S_OK;
}

STDMETHODIMP ConnectionPoints::PointPart::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  IDispatch* dispatch = nullptr;
  if (FAILED(sink->QueryInterface(points_->eventInterface_, reinterpret_cast<void**>(&dispatch))) &&
      FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    return CONNECT_E_CANNOTCONNECT;
  try {
    points_->sinks_.emplace_back(points_->nextCookie_, dispatch);
  } catch (const std::bad_alloc&) {
    dispatch->Release();
    return E_OUTOFMEMORY;
  }
  *cookie = points_->nextCookie_++;
  return S_OK;
}

STDMETHODIMP ConnectionPoints::PointPart::Unadvise(DWORD cookie) {
  auto& sinks = points_->sinks_;
  for (auto it = sinks.begin(); it != sinks.end(); ++it) {
    if (it->first == cookie) {
      IDispatch* sink = it->second;
      sinks.erase(it);
      sink->Release();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoints::PointPart::EnumConnections(IEnumConnections** connections) {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace kv::com
