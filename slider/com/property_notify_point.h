// Connection point for IPropertyNotifySink: how a container learns that a bound property
// (the slider's Value) changed.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <utility>
#include <vector>

#include "activex/sink_list.h"

namespace kvslide {

class PropertyNotifyPoint final : public IConnectionPoint {
 public:
  // `owner` is the object's controlling IUnknown; references are counted on it.
  explicit PropertyNotifyPoint(IUnknown* owner) : owner_(owner) {}
  ~PropertyNotifyPoint() { DisconnectAll(); }
  PropertyNotifyPoint(const PropertyNotifyPoint&) = delete;
  PropertyNotifyPoint& operator=(const PropertyNotifyPoint&) = delete;

  // Calls OnChanged(id) on every advised sink.
  void Changed(DISPID id);
  void DisconnectAll();
  size_t SinkCount() const { return sinks_.size(); }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }
  STDMETHODIMP GetConnectionInterface(IID* iid) override;
  STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
  STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

 private:
  IUnknown* owner_;
  DWORD nextCookie_ = 1;
  kv::com::SinkList<IPropertyNotifySink> sinks_;
};

}  // namespace kvslide
