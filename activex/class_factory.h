// Generic class factory and the body of DllGetClassObject for a table of classes.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <cstddef>

namespace kv::com {

// Creates one object and returns the requested interface (aggregation is not supported).
using CreateFunction = HRESULT (*)(REFIID iid, void** object);

struct ClassEntry {
  const CLSID* clsid;
  CreateFunction create;
};

// Implements DllGetClassObject for the classes listed in `classes`.
HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** object, const ClassEntry* classes, size_t count);

// Helper for CreateFunction implementations: QueryInterface on a freshly made object
// (reference count 1) and drop the creator's reference, so a failed query frees it.
template <class T>
HRESULT CreateAndQuery(T* fresh, REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!fresh) return E_OUTOFMEMORY;
  HRESULT hr = fresh->QueryInterface(iid, object);
  fresh->Release();
  return hr;
}

}  // namespace kv::com
