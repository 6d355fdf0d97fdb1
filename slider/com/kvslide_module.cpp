// kvslide.dll: module entry, class table, COM exports and the direct creation function for our
// own programs (KvSlideCreate, see slider/include/kvslide_client.h).
#include <windows.h>

#include <iterator>
#include <new>

#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/property_page/page_clsids.h"
#include "activex/registration.h"
#include "kvslide_h.h"
#include "slider/com/slide_control.h"
#include "slider/include/kvslide_api.h"
#include "slider/pages/slide_pages.h"
#include "slider/win/slider_window.h"

namespace {

HRESULT CreateSlide(REFIID iid, void** object) {
  return kv::com::CreateAndQuery(new (std::nothrow) kvslide::SlideControl, iid, object);
}

const kv::com::ClassEntry kClasses[] = {
    {&CLSID_kvSlide, CreateSlide},
    // Property pages.
    {&kv::pages::CLSID_kvSlideGeneralPage, kvslide::pages::CreateGeneralPage},
    {&kv::pages::CLSID_kvSlideBorderPage, kvslide::pages::CreateBorderPage},
};
const kv::com::ServerInfo kServers[] = {
    {&CLSID_kvSlide, L"SlideLibCtl.kvSlide", L"kvSlide Control", &LIBID_SlideLib, L"1.0", true},
    // Property pages.
    {&kv::pages::CLSID_kvSlideGeneralPage, nullptr, L"kvSlide General Page", nullptr, nullptr, false},
    {&kv::pages::CLSID_kvSlideBorderPage, nullptr, L"kvSlide Border Page", nullptr, nullptr, false},
};

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    kv::com::SetModule(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    kvslide::SliderWindow::UnregisterClass(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return kv::com::GetClassObject(clsid, iid, object, kClasses, std::size(kClasses));
}
STDAPI DllCanUnloadNow() { return kv::com::CanUnloadNow(); }
STDAPI DllRegisterServer() { return kv::com::RegisterAll(kServers, std::size(kServers)); }
STDAPI DllUnregisterServer() { return kv::com::UnregisterAll(kServers, std::size(kServers)); }

extern "C" HRESULT __stdcall KvSlideCreate(HWND parent, int x, int y, int width, int height, int controlId,
                                           _DkvSlide** slider) {
  if (!slider) return E_POINTER;
  *slider = nullptr;
  auto* control = new (std::nothrow) kvslide::SlideControl;
  if (!control) return E_OUTOFMEMORY;
  RECT box = {x, y, x + width, y + height};
  HRESULT hr = control->CreateWindowIn(parent, box, controlId);
  if (SUCCEEDED(hr)) hr = control->QueryInterface(IID__DkvSlide, reinterpret_cast<void**>(slider));
  control->Release();
  return hr;
}
