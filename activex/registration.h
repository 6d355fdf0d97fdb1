// Registration of an in-process server: CLSID, ProgID and type library keys under HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

#include <string>

namespace kv::com {

struct ServerInfo {
  const CLSID* clsid;
  const wchar_t* progId;          // e.g. L"TreeViewLibCtl.kvTreeView"
  const wchar_t* friendlyName;    // default value of CLSID\{..} and of the ProgID key
  const GUID* typeLib;            // library id written as CLSID\{..}\TypeLib; may be null
  const wchar_t* typeLibVersion;  // e.g. L"1.0"; may be null
  bool isControl;                 // adds the "Control" key
};

// Writes CLSID\{..} (name, InprocServer32 = module path with ThreadingModel "Apartment",
// ProgID, TypeLib, Version, Control) and ProgID\CLSID. Returns SELFREG_E_CLASS on failure.
HRESULT RegisterServer(const ServerInfo& info);
// Removes the keys written by RegisterServer (missing keys are not an error).
HRESULT UnregisterServer(const ServerInfo& info);

// Deletes a key and everything below it (RegDeleteTree is not on NT 4). A child that cannot be opened
// or deleted is left, with the keys above it; the rest is still deleted.
void DeleteKeyTree(HKEY root, const std::wstring& key);

// Registers / unregisters the type library embedded in the module as resource "1 TYPELIB".
HRESULT RegisterModuleTypeLib();
HRESULT UnregisterModuleTypeLib();

// The usual DllRegisterServer / DllUnregisterServer bodies: every class, then the type library.
HRESULT RegisterAll(const ServerInfo* servers, size_t count);
HRESULT UnregisterAll(const ServerInfo* servers, size_t count);

}  // namespace kv::com
