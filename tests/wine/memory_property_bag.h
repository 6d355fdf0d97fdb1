// For the Windows tests: a container's property bag in memory (values kept as variants, like a
// form file would give them), for IPersistPropertyBag round trips. Header only; include it as
// "tests/wine/memory_property_bag.h".
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>

namespace kv::wintest {

class MemoryBag final : public IPropertyBag {
 public:
  ~MemoryBag() {
    for (auto& entry : values) VariantClear(&entry.second);
  }
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag)) {
      *object = static_cast<IPropertyBag*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
    auto it = values.find(name);
    if (it == values.end()) return E_INVALIDARG;
    return VariantCopy(value, &it->second);
  }
  STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, value);
    VariantClear(&values[name]);
    values[name] = copy;
    return S_OK;
  }
  void Put(const wchar_t* name, const wchar_t* text) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(text);
    Write(name, &v);
    VariantClear(&v);
  }
  std::wstring Text(const wchar_t* name) {
    auto it = values.find(name);
    if (it == values.end()) return L"<absent>";
    VARIANT v;
    VariantInit(&v);
    VariantChangeType(&v, &it->second, 0, VT_BSTR);
    std::wstring out = v.bstrVal ? v.bstrVal : L"";
    VariantClear(&v);
    return out;
  }
  std::map<std::wstring, VARIANT> values;
};

}  // namespace kv::wintest
