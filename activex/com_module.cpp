// Module handle, lock count and cached type library of one in-process server.
#include "activex/com_module.h"

#include <oleauto.h>

#include "activex/ole_functions.h"

namespace kv::com {
namespace {
HINSTANCE g_module = nullptr;
LONG g_locks = 0;
ITypeLib* g_typeLib = nullptr;
}  // namespace

void SetModule(HINSTANCE module) { g_module = module; }
HINSTANCE Module() { return g_module; }

void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }
LONG ModuleLockCount() { return g_locks; }
HRESULT CanUnloadNow() { return g_locks == 0 ? S_OK : S_FALSE; }

bool ModulePath(wchar_t* path, DWORD capacity) {
  DWORD length = GetModuleFileNameW(g_module, path, capacity);
  return length > 0 && length < capacity;
}

HRESULT ModuleTypeLib(ITypeLib** lib) {
  if (!lib) return E_POINTER;
  *lib = nullptr;
  if (!g_typeLib) {
    wchar_t path[MAX_PATH];
    if (!ModulePath(path, MAX_PATH)) return E_FAIL;
    HRESULT hr = kv::ole::LoadTypeLibrary(path, false, &g_typeLib);
    if (FAILED(hr)) return hr;
  }
  g_typeLib->AddRef();
  *lib = g_typeLib;
  return S_OK;
}

HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ITypeLib* lib = nullptr;
  HRESULT hr = ModuleTypeLib(&lib);
  if (FAILED(hr)) return hr;
  hr = lib->GetTypeInfoOfGuid(guid, info);
  lib->Release();
  return hr;
}

}  // namespace kv::com
