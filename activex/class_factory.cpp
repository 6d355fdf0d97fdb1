// IClassFactory that forwards CreateInstance to a plain create function.
#include "activex/class_factory.h"

#include <new>

#include "activex/com_module.h"

namespace kv::com {
namespace {

class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(CreateFunction create) : create_(create) {}

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&refs_); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return left;
  }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return create_(iid, object);
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock)
      LockModule();
    else
      UnlockModule();
    return S_OK;
  }

 private:
  LONG refs_ = 1;
  CreateFunction create_;
  ModuleLock lock_;
};

}  // namespace

HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object, const ClassEntry* classes, size_t count) {
  if (!object) return E_POINTER;
  *object = nullptr;
  for (size_t i = 0; i < count; ++i) {
    if (IsEqualCLSID(clsid, *classes[i].clsid)) {
      ClassFactory* factory = new (std::nothrow) ClassFactory(classes[i].create);
      if (!factory) return E_OUTOFMEMORY;
      HRESULT hr = factory->QueryInterface(iid, object);
      factory->Release();
      return hr;
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace kv::com
