// kvtree.dll entry points: the COM server exports and kvTreeCreateWindow for our own programs.
#include <windows.h>

#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/registration.h"
#include "treelist/com/tree_control.h"
#include "treelist/include/kvtree_api.h"

namespace {

const kv::com::ClassEntry kClasses[] = {{&CLSID_kvTreeView, &kv::tree::TreeControl::Create}};
const kv::com::ServerInfo kServers[] = {
    {&CLSID_kvTreeView, L"TreeViewLibCtl.kvTreeView", L"kvTreeView Control", &LIBID_TreeViewLib, L"1.0", true}};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    kv::com::SetModule(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    UnregisterClassW(kv::tree::TreeWindow::kClassName, instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return kv::com::GetClassObject(clsid, iid, object, kClasses, 1);
}
STDAPI DllCanUnloadNow() { return kv::com::CanUnloadNow(); }
STDAPI DllRegisterServer() { return kv::com::RegisterAll(kServers, 1); }
STDAPI DllUnregisterServer() { return kv::com::UnregisterAll(kServers, 1); }

extern "C" HRESULT KVTREE_CALL kvTreeCreateWindow(HWND parent, const RECT* rect, int controlId, IkvTreeView** control) {
  if (!control) return E_POINTER;
  *control = nullptr;
  if (!parent || !rect) return E_INVALIDARG;
  kv::tree::TreeControl* created = nullptr;
  HRESULT hr = kv::tree::TreeControl::Create(IID_IkvTreeView, reinterpret_cast<void**>(&created));
  if (FAILED(hr)) return hr;
  hr = created->CreateWindowIn(parent, *rect, controlId);
  if (FAILED(hr)) {
    created->Release();
    return hr;
  }
  *control = created;
  return S_OK;
}
