// IPropertyBag adapter: names are ASCII property names, numbers travel as VT_I4, texts as VT_BSTR.
#include "slider/com/ole_property_bag.h"

#include <oleauto.h>

namespace kvslide {
namespace {

std::wstring Wide(const char* ascii) {
  std::wstring out;
  for (; *ascii; ++ascii) out += static_cast<wchar_t>(static_cast<unsigned char>(*ascii));
  return out;
}

}  // namespace

bool OlePropertyBag::Read(const char* name, VARTYPE type, VARIANT* out) const {
  VARIANT raw;
  VariantInit(&raw);
  std::wstring wide = Wide(name);
  if (FAILED(bag_->Read(wide.c_str(), &raw, log_))) return false;
  // Colours such as &H8000000F& do not fit a signed 32-bit number: convert through 64 bits.
  HRESULT hr = VariantChangeType(out, &raw, 0, type);
  VariantClear(&raw);
  return SUCCEEDED(hr);
}

bool OlePropertyBag::ReadNumber(const char* name, int32_t* out) const {
  VARIANT v;
  VariantInit(&v);
  if (!Read(name, VT_I8, &v)) return false;
  if (v.llVal < -2147483648LL || v.llVal > 4294967295LL) return false;
  *out = static_cast<int32_t>(static_cast<uint32_t>(v.llVal));
  return true;
}

bool OlePropertyBag::ReadText(const char* name, std::string* out) const {
  VARIANT v;
  VariantInit(&v);
  if (!Read(name, VT_BSTR, &v)) return false;
  out->clear();
  UINT length = SysStringLen(v.bstrVal);
  if (length > 0) {
    int size = WideCharToMultiByte(CP_ACP, 0, v.bstrVal, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    out->resize(static_cast<size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, v.bstrVal, static_cast<int>(length), &(*out)[0], size, nullptr, nullptr);
  }
  VariantClear(&v);
  return true;
}

void OlePropertyBag::WriteNumber(const char* name, int32_t value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  std::wstring wide = Wide(name);
  bag_->Write(wide.c_str(), &v);
}

void OlePropertyBag::WriteText(const char* name, const std::string& value) {
  int size = MultiByteToWideChar(CP_ACP, 0, value.c_str(), static_cast<int>(value.size()), nullptr, 0);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(nullptr, static_cast<UINT>(size));
  if (!v.bstrVal) return;
  MultiByteToWideChar(CP_ACP, 0, value.c_str(), static_cast<int>(value.size()), v.bstrVal, size);
  std::wstring wide = Wide(name);
  bag_->Write(wide.c_str(), &v);
  VariantClear(&v);
}

}  // namespace kvslide
