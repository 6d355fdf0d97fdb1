// Small VARIANT helpers for firing events and reading event arguments.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include <string>

namespace kv::com {

inline VARIANT VariantI4(LONG value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}
inline VARIANT VariantI2(SHORT value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I2;
  v.iVal = value;
  return v;
}
inline VARIANT VariantBool(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}
inline VARIANT VariantByRefI2(SHORT* value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I2 | VT_BYREF;
  v.piVal = value;
  return v;
}
// The caller owns the string and frees it with VariantClear.
inline VARIANT VariantText(const wchar_t* text, UINT length) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(text, length);
  return v;
}

// Reads a variant (by value or by reference) converted to the wanted type; `fallback` when it cannot.
inline LONG ReadLong(const VARIANT& in, LONG fallback = 0) {
  VARIANT v;
  VariantInit(&v);
  LONG out = fallback;
  if (SUCCEEDED(VariantChangeType(&v, const_cast<VARIANT*>(&in), 0, VT_I4))) out = v.lVal;
  VariantClear(&v);
  return out;
}
inline bool ReadBool(const VARIANT& in) { return ReadLong(in) != 0; }
inline std::wstring ReadText(const VARIANT& in) {
  VARIANT v;
  VariantInit(&v);
  std::wstring out;
  if (SUCCEEDED(VariantChangeType(&v, const_cast<VARIANT*>(&in), 0, VT_BSTR)) && v.bstrVal)
    out.assign(v.bstrVal, SysStringLen(v.bstrVal));
  VariantClear(&v);
  return out;
}

}  // namespace kv::com
