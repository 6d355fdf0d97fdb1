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
  VariantInit(value);
  DISPID id = 0;
  HRESULT hr = IdOf(object, name, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value) {
  DISPID id = 0;
  HRESULT hr = IdOf(object, name, &id);
  if (FAILED(hr)) return hr;
  VARIANT argument = value;  // Invoke does not change its arguments
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&argument, &named, 1, 1};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

}  // namespace kv::pages
