// korvndlg.dll as an in-process COM server: the class table, registration and the Dll* entry points.
#include "activex/class_factory.h"
#include "activex/com_module.h"
#include "activex/registration.h"
#include "dialogs/com/automation_object.h"
#include "korvndlg_h.h"

namespace {

using namespace kvdlg::com;

const kv::com::ClassEntry kClasses[] = {
    {&CLSID_Dialog, CreateDialogObject},       {&CLSID_ShFoldr, CreateShFoldr},
    {&CLSID_GSubclass, CreateGSubclass}, {&CLSID_CTimer, CreateCTimer},
    {&CLSID_FlatScrollBar, CreateFlatScrollBar},
};

const kv::com::ServerInfo kServers[] = {
    {&CLSID_Dialog, L"KorvnDialoge.Dialog", L"Korvane 2000 dialogs", &LIBID_KorvnDialoge, L"1.0", false},
    {&CLSID_ShFoldr, L"KorvnDialoge.ShFoldr", L"Korvane 2000 folder dialogs", &LIBID_KorvnDialoge, L"1.0", false},
    {&CLSID_GSubclass, L"KorvnDialoge.GSubclass", L"Korvane 2000 subclassing", &LIBID_KorvnDialoge, L"1.0", false},
    {&CLSID_CTimer, L"KorvnDialoge.CTimer", L"Korvane 2000 timer", &LIBID_KorvnDialoge, L"1.0", false},
    // A control any OLE container places (the help box still sites it through SiteIn).
    {&CLSID_FlatScrollBar, L"KorvnDialoge.FlatScrollBar", L"Korvane 2000 flat scroll bar", &LIBID_KorvnDialoge,
     L"1.0", true},
};

constexpr size_t kClassCount = sizeof(kClasses) / sizeof(kClasses[0]);
constexpr size_t kServerCount = sizeof(kServers) / sizeof(kServers[0]);

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    kv::com::SetModule(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  return kv::com::GetClassObject(clsid, iid, object, kClasses, kClassCount);
}
STDAPI DllCanUnloadNow() { return kv::com::CanUnloadNow(); }
STDAPI DllRegisterServer() { return kv::com::RegisterAll(kServers, kServerCount); }
STDAPI DllUnregisterServer() { return kv::com::UnregisterAll(kServers, kServerCount); }
