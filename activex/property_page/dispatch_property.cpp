// Named property access through IDispatch (see dispatch_property.h).
#include "activex/property_page/dispatch_property.h"

namespace kv::pages {
namespace {

HRESULT IdOf(IDispatch* object, const wchar_t* name, DISPID* id) {
  if (!object || !name) return E_POINTER;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, id);
}

}  // namespace

HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT* value) {
  return Call(object, name, DISPATCH_PROPERTYGET, nullptr, 0, value);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  return Call(object, name, DISPATCH_PROPERTYPUT, &value, 1, nullptr);
}

HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, const VARIANT* arguments, UINT count,
             VARIANT* result) {
  if (result) VariantInit(result);
  if (count > 8) return E_INVALIDARG;
  DISPID id = 0;
  HRESULT hr = IdOf(object, name, &id);
  if (FAILED(hr)) return hr;
  VARIANT reversed[8];  // IDispatch takes the arguments last first; Invoke does not change them
  for (UINT i = 0; i < count; ++i) reversed[i] = arguments[count - 1 - i];
  DISPID named = DISPID_PROPERTYPUT;
  bool put = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS params = {count ? reversed : nullptr, put ? &named : nullptr, count, put ? 1u : 0u};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

}  // namespace kv::pages
