// IPropertyBag adapter for the controls' persistent properties.
#include "activex/persist/ole_bag.h"

namespace kv::persist {
namespace {

// Property names are ASCII identifiers.
struct WideName {
  explicit WideName(const char* name) {
    size_t i = 0;
    for (; name[i] && i + 1 < sizeof text / sizeof text[0]; ++i) text[i] = static_cast<wchar_t>(name[i]);
    text[i] = 0;
  }
  wchar_t text[kMaxNameLength + 1];
};

}  // namespace

bool OleBag::Read(const char* name, VARTYPE type, VARIANT* out) const {
  WideName wide(name);
  VariantInit(out);
  HRESULT hr = bag_->Read(wide.text, out, log_);  // VT_EMPTY: the bag's own type
  if (FAILED(hr)) {
    VariantInit(out);
    return false;
  }
  if (V_VT(out) != type && FAILED(VariantChangeType(out, out, 0, type))) {
    if (log_) {
      EXCEPINFO info = {};
      info.scode = DISP_E_TYPEMISMATCH;
      log_->AddError(wide.text, &info);
    }
    VariantClear(out);
    return false;
  }
  return true;
}

bool OleBag::ReadNumber(const char* name, int32_t* out) const {
  VARIANT v;
  if (Read(name, VT_I4, &v)) {
    *out = V_I4(&v);
    return true;
  }
  // Colours written as unsigned numbers (&H8000000F above the signed range) arrive as doubles.
  if (!Read(name, VT_R8, &v) || !(V_R8(&v) >= -2147483648.0 && V_R8(&v) <= 4294967295.0)) return false;
  *out = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(V_R8(&v))));
  return true;
}

bool OleBag::ReadText(const char* name, std::wstring* out) const {
  VARIANT v;
  if (!Read(name, VT_BSTR, &v)) return false;
  out->assign(V_BSTR(&v) ? V_BSTR(&v) : L"", V_BSTR(&v) ? SysStringLen(V_BSTR(&v)) : 0);
  VariantClear(&v);
  return true;
}

void OleBag::Write(const char* name, VARIANT* value) {
  WideName wide(name);
  bag_->Write(wide.text, value);
}

void OleBag::WriteNumber(const char* name, int32_t value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  Write(name, &v);
}

void OleBag::WriteText(const char* name, const std::wstring& value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
  if (!V_BSTR(&v)) return;
  Write(name, &v);
  VariantClear(&v);
}

}  // namespace kv::persist
