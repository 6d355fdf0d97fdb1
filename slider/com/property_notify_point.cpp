// IPropertyNotifySink connection point of the slider object.
#include "slider/com/property_notify_point.h"

#include "activex/sink_list.h"

namespace kvslide {

void PropertyNotifyPoint::Changed(DISPID id) {
  if (sinks_.empty()) return;
  std::vector<IPropertyNotifySink*> targets = kv::com::ReferencedSinks(sinks_);
  owner_->AddRef();  // a sink may drop the last outside reference
  for (IPropertyNotifySink* sink : targets) {
    sink->OnChanged(id);
    sink->Release();
  }
  owner_->Release();
}

void PropertyNotifyPoint::DisconnectAll() {
  kv::com::ReleaseAllSinks(sinks_);
}

STDMETHODIMP PropertyNotifyPoint::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IConnectionPoint)) {
    *object = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP PropertyNotifyPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = IID_IPropertyNotifySink;
  return S_OK;
}

STDMETHODIMP PropertyNotifyPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  return owner_->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container));
}

STDMETHODIMP PropertyNotifyPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  IPropertyNotifySink* notify = nullptr;
  if (FAILED(sink->QueryInterface(IID_IPropertyNotifySink, reinterpret_cast<void**>(&notify))))
    return CONNECT_E_CANNOTCONNECT;
  try {
    sinks_.emplace_back(nextCookie_, notify);
  } catch (const std::bad_alloc&) {
    notify->Release();
    return E_OUTOFMEMORY;
  }
  *cookie = nextCookie_++;
  return S_OK;
}

STDMETHODIMP PropertyNotifyPoint::Unadvise(DWORD cookie) {
  for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
    if (it->first == cookie) {
      IPropertyNotifySink* sink = it->second;
      sinks_.erase(it);
      sink->Release();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP PropertyNotifyPoint::EnumConnections(IEnumConnections** connections) {
  if (connections) *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace kvslide
