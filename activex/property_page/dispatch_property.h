// Reading and writing one named property through IDispatch (GetIDsOfNames + Invoke), the only way
// the property pages talk to a control.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace kv::pages {

// The property's value in `value` (the caller clears it).
HRESULT GetProperty(IDispatch* object, const wchar_t* name, VARIANT* value);
// Sets the property (DISPATCH_PROPERTYPUT with the named argument DISPID_PROPERTYPUT).
HRESULT PutProperty(IDispatch* object, const wchar_t* name, const VARIANT& value);

// Any member: a method (DISPATCH_METHOD), an indexed property get or put (the value to put last).
// `arguments` in declaration order; `result` may be null.
HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, const VARIANT* arguments, UINT count,
             VARIANT* result);

}  // namespace kv::pages
