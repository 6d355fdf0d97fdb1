// Base of the library's COM objects: reference counting, QueryInterface for IUnknown, IDispatch,
// the default interface and ISupportErrorInfo, a module lock, and IDispatch from the type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <new>

#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/connection_point.h"
#include "activex/dispatch_base.h"

namespace kvdlg::com {

template <class Interface>
class AutomationObject : public kv::com::DispatchImpl<Interface>, public ISupportErrorInfo {
 public:
  explicit AutomationObject(REFIID iid) : kv::com::DispatchImpl<Interface>(iid), iid_(iid) {}
  virtual ~AutomationObject() = default;

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, iid_)) {
      *object = static_cast<Interface*>(this);
    } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
      *object = static_cast<ISupportErrorInfo*>(this);
    } else {
      return QueryOther(iid, object);
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override {
    return IsEqualIID(iid, iid_) ? S_OK : S_FALSE;
  }

  IUnknown* Unknown() { return static_cast<Interface*>(this); }

 protected:
  // Further interfaces of a class (connection points); must AddRef what it returns.
  virtual HRESULT QueryOther(REFIID, void**) { return E_NOINTERFACE; }

 private:
  IID iid_;
  LONG refs_ = 1;
  kv::com::ModuleLock lock_;
};

// QueryInterface answer for IID_IConnectionPointContainer of an object with events.
inline HRESULT QueryEvents(kv::com::ConnectionPoints& events, REFIID iid, void** object) {
  if (!IsEqualIID(iid, IID_IConnectionPointContainer)) return E_NOINTERFACE;
  *object = events.Container();
  events.Container()->AddRef();
  return S_OK;
}

// Object creation functions for the class table.
HRESULT CreateDialogObject(REFIID iid, void** object);
HRESULT CreateShFoldr(REFIID iid, void** object);
HRESULT CreateGSubclass(REFIID iid, void** object);
HRESULT CreateCTimer(REFIID iid, void** object);
HRESULT CreateFlatScrollBar(REFIID iid, void** object);

}  // namespace kvdlg::com
