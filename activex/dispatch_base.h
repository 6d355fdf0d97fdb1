// IDispatch for a dual interface, delegated to the type information of the module's type library:
// names, dispatch ids and argument conversion come from the IDL alone.
//
//   class Tree final : public kv::com::DispatchImpl<IkvTreeView> {
//    public:
//     Tree() : DispatchImpl(IID_IkvTreeView) {}
//     // IUnknown + the interface's own methods
//   };
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include "activex/com_module.h"

namespace kv::com {

template <class Interface>
class DispatchImpl : public Interface {
 public:
  explicit DispatchImpl(REFIID iid) : iid_(iid) {}
  DispatchImpl(const DispatchImpl&) = delete;
  DispatchImpl& operator=(const DispatchImpl&) = delete;

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    typeInfo_->AddRef();
    *info = typeInfo_;
    return S_OK;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return DispGetIDsOfNames(typeInfo_, names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argError) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    return DispInvoke(static_cast<Interface*>(this), typeInfo_, id, flags, params, result, exception, argError);
  }

 protected:
  ~DispatchImpl() {
    if (typeInfo_) typeInfo_->Release();
  }

 private:
  HRESULT LoadTypeInfo() {
    if (typeInfo_) return S_OK;
    return ModuleTypeInfo(iid_, &typeInfo_);
  }

  IID iid_;
  ITypeInfo* typeInfo_ = nullptr;
};

}  // namespace kv::com
