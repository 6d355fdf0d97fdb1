// IDispatch event sink routing each event to a std::function.
#include "activex/event_sink.h"

#include <new>

namespace kv::com {

EventSink* EventSink::Create(EventCallback callback) { return new (std::nothrow) EventSink(std::move(callback)); }

EventSink::~EventSink() { Disconnect(); }

HRESULT EventSink::Connect(IUnknown* source, REFIID eventInterface) {
  if (!source) return E_POINTER;
  if (point_) return E_UNEXPECTED;
  IConnectionPointContainer* container = nullptr;
  HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (FAILED(hr)) return hr;
  IConnectionPoint* point = nullptr;
  hr = container->FindConnectionPoint(eventInterface, &point);
  container->Release();
  if (FAILED(hr)) return hr;
  eventInterface_ = eventInterface;
  DWORD cookie = 0;
  hr = point->Advise(static_cast<IDispatch*>(this), &cookie);
  if (FAILED(hr)) {
    point->Release();
    return hr;
  }
  point_ = point;
  cookie_ = cookie;
  return S_OK;
}

void EventSink::Disconnect() {
  IConnectionPoint* point = point_;
  if (!point) return;
  point_ = nullptr;
  point->Unadvise(cookie_);
  point->Release();
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
      (!IsEqualIID(eventInterface_, IID_NULL) && IsEqualIID(iid, eventInterface_))) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) EventSink::AddRef() { return InterlockedIncrement(&refs_); }

STDMETHODIMP_(ULONG) EventSink::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

STDMETHODIMP EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*, UINT*) {
  if (result) VariantInit(result);
  if (!callback_) return S_OK;
  AddRef();  // the callback may disconnect and drop the last reference
  try {
    callback_(id, EventArgs(params));
  } catch (...) {
    // an exception must not cross the COM boundary; the event is simply dropped
  }
  Release();
  return S_OK;
}

}  // namespace kv::com
