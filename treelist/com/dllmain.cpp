// kvtree.dll entry points: the COM server exports and kvTreeCreateWindow for our own programs.
#include <windows.h>

#include <iterator>

#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/registration.h"
#include "activex/property_page/page_clsids.h"
#include "treelist/com/tree_control.h"
#include "treelist/include/kvtree_api.h"
#include "treelist/pages/tree_pages.h"

namespace {

namespace pg = kv::pages;
namespace tp = kv::tree::pages;

const kv::com::ClassEntry kClasses[] = {
    {&CLSID_kvTreeView, &kv::tree::TreeControl::Create},
    // Property pages.
    {&pg::CLSID_kvTreeGeneralPage, tp::CreateGeneralPage},
    {&pg::CLSID_kvTreeMorePage, tp::CreateMorePage},
    {&pg::CLSID_kvTreeColumnsPage, tp::CreateColumnsPage},
    {&pg::CLSID_kvTreeTitlePage, tp::CreateTitlePage},
    {&pg::CLSID_kvTreeTipsSortPage, tp::CreateTipsSortPage},
    {&pg::CLSID_kvTreeImagesPage, tp::CreateImagesPage},
};
const kv::com::ServerInfo kServers[] = {
    {&CLSID_kvTreeView, L"TreeViewLibCtl.kvTreeView", L"kvTreeView Control", &LIBID_TreeViewLib, L"1.0", true},
    // Property pages.
    {&pg::CLSID_kvTreeGeneralPage, nullptr, L"kvTreeView General Page", nullptr, nullptr, false},
    {&pg::CLSID_kvTreeMorePage, nullptr, L"kvTreeView More Page", nullptr, nullptr, false},
    {&pg::CLSID_kvTreeColumnsPage, nullptr, L"kvTreeView Columns Page", nullptr, nullptr, false},
    {&pg::CLSID_kvTreeTitlePage, nullptr, L"kvTreeView Title Page", nullptr, nullptr, false},
    {&pg::CLSID_kvTreeTipsSortPage, nullptr, L"kvTreeView Tips/Sort Page", nullptr, nullptr, false},
    {&pg::CLSID_kvTreeImagesPage, nullptr, L"kvTreeView Images Page", nullptr, nullptr, false},
};

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
  return kv::com::GetClassObject(clsid, iid, object, kClasses, std::size(kClasses));
}
STDAPI DllCanUnloadNow() { return kv::com::CanUnloadNow(); }
STDAPI DllRegisterServer() { return kv::com::RegisterAll(kServers, std::size(kServers)); }
STDAPI DllUnregisterServer() { return kv::com::UnregisterAll(kServers, std::size(kServers)); }

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
