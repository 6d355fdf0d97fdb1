// Client side of an object's events: an IDispatch sink that hands every Invoke(dispid, args) to a
// C++ callback, plus Advise/Unadvise on the source's connection point.
//
//   auto* sink = kv::com::EventSink::Create([](DISPID id, const kv::com::EventArgs& args) {
//     if (id == 16) OnCheck(args.Long(0), args.Long(1), args.Bool(2));
//   });
//   sink->Connect(control, DIID__DkvTreeViewEvents);   // IUnknown* of the source
//   ...
//   sink->Disconnect();   // before the source goes away, or let ~EventSink-owner do it
//   sink->Release();
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <string>

#include "activex/variant.h"

namespace kv::com {

// The arguments of one event in declaration order (index 0 = first parameter).
class EventArgs {
 public:
  explicit EventArgs(const DISPPARAMS* params) : params_(params) {}
  UINT Count() const { return params_ ? params_->cArgs : 0; }
  // The raw variant (may be VT_BYREF, e.g. the key code of KeyDown); null when out of range.
  VARIANT* At(UINT index) const { return index < Count() ? &params_->rgvarg[params_->cArgs - 1 - index] : nullptr; }
  LONG Long(UINT index) const { return At(index) ? ReadLong(*At(index)) : 0; }
  bool Bool(UINT index) const { return At(index) ? ReadBool(*At(index)) : false; }
  std::wstring Text(UINT index) const { return At(index) ? ReadText(*At(index)) : std::wstring(); }

 private:
  const DISPPARAMS* params_;
};

using EventCallback = std::function<void(DISPID id, const EventArgs& args)>;

class EventSink final : public IDispatch {
 public:
  // Returns a sink with one reference, or null when out of memory.
  static EventSink* Create(EventCallback callback);

  // Advises the connection point of `eventInterface` on `source`; one connection per sink.
  HRESULT Connect(IUnknown* source, REFIID eventInterface);
  // Unadvises (safe to call when not connected, and from inside the callback).
  void Disconnect();
  bool Connected() const { return point_ != nullptr; }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  explicit EventSink(EventCallback callback) : callback_(std::move(callback)) {}
  ~EventSink();

  LONG refs_ = 1;
  EventCallback callback_;
  IID eventInterface_ = IID_NULL;
  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};

}  // namespace kv::com
