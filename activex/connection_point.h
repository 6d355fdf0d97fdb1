// Outgoing events of one object through one source dispinterface: IConnectionPointContainer and
// IConnectionPoint (Advise/Unadvise), and firing an event by dispatch id to every advised sink.
//
//   class Tree : ... { kv::com::ConnectionPoints events_{this, DIID__DkvTreeViewEvents}; };
//   QueryInterface: if (iid == IID_IConnectionPointContainer) *out = events_.Container();
//   firing:         VARIANT args[2]; ... events_.Fire(16, args, 2);   // args in declaration order
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <utility>
#include <vector>

#include "activex/sink_list.h"

namespace kv::com {

class ConnectionPoints {
 public:
  // `owner` is the object's controlling IUnknown; the sub-objects count their references on it.
  ConnectionPoints(IUnknown* owner, REFIID eventInterface);
  ~ConnectionPoints();
  ConnectionPoints(const ConnectionPoints&) = delete;
  ConnectionPoints& operator=(const ConnectionPoints&) = delete;

  IConnectionPointContainer* Container() { return &container_; }
  bool HasSinks() const { return !sinks_.empty(); }
  size_t SinkCount() const { return sinks_.size(); }

  // Calls Invoke(id, DISPATCH_METHOD) on every sink; `args` are in declaration order (reversed here
  // into DISPPARAMS order) and may be by-reference variants. Sinks may unadvise while being called.
  void Fire(DISPID id, VARIANT* args, UINT count);
  // While muted, Fire drops every event (a container in design mode, or one that froze events).
  void SetMuted(bool muted) { muted_ = muted; }

  // Releases every sink (call when the owner is being torn down).
  void DisconnectAll();

 private:
  class ContainerPart final : public IConnectionPointContainer {
   public:
    explicit ContainerPart(ConnectionPoints* points) : points_(points) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

   private:
    ConnectionPoints* points_;
  };

  class PointPart final : public IConnectionPoint {
   public:
    explicit PointPart(ConnectionPoints* points) : points_(points) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

   private:
    ConnectionPoints* points_;
  };

  IUnknown* owner_;
  IID eventInterface_;
  ContainerPart container_;
  PointPart point_;
  DWORD nextCookie_ = 1;
  SinkList<IDispatch> sinks_;
  bool muted_ = false;
};

}  // namespace kv::com
