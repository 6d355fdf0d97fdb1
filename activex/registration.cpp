// Registry keys of an in-process server and registration of its embedded type library.
#include "activex/registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "activex/com_module.h"
#include "activex/ole_functions.h"

namespace kv::com {
namespace {

std::wstring GuidText(REFGUID guid) {
  wchar_t text[64] = {};
  StringFromGUID2(guid, text, 64);
  return text;
}

bool SetKeyValue(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS)
    return false;
  LONG rc = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return rc == ERROR_SUCCESS;
}

}  // namespace

void DeleteKeyTree(HKEY root, const std::wstring& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WRITE, &handle) != ERROR_SUCCESS) return;
  wchar_t child[256];
  DWORD index = 0;  // children before this index could not be deleted and are stepped over
  for (;;) {
    DWORD length = 256;
    if (RegEnumKeyExW(handle, index, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    const std::wstring name(child, length);
    DeleteKeyTree(handle, name);
    length = 256;
    if (RegEnumKeyExW(handle, index, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
        name == std::wstring(child, length)) {
      ++index;  // still there (cannot be opened or deleted): asking again would never end
    }
  }
  RegCloseKey(handle);
  RegDeleteKeyW(root, key.c_str());
}

HRESULT RegisterServer(const ServerInfo& info) {
  wchar_t path[MAX_PATH];
  if (!ModulePath(path, MAX_PATH)) return SELFREG_E_CLASS;
  const std::wstring clsidKey = L"CLSID\\" + GuidText(*info.clsid);
  bool ok = SetKeyValue(clsidKey, nullptr, info.friendlyName) &&
            SetKeyValue(clsidKey + L"\\InprocServer32", nullptr, path) &&
            SetKeyValue(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  if (ok && info.progId) {
    ok = SetKeyValue(clsidKey + L"\\ProgID", nullptr, info.progId) &&
         SetKeyValue(info.progId, nullptr, info.friendlyName) &&
         SetKeyValue(std::wstring(info.progId) + L"\\CLSID", nullptr, GuidText(*info.clsid));
  }
  if (ok && info.typeLib) ok = SetKeyValue(clsidKey + L"\\TypeLib", nullptr, GuidText(*info.typeLib));
  if (ok && info.typeLibVersion) ok = SetKeyValue(clsidKey + L"\\Version", nullptr, info.typeLibVersion);
  if (ok && info.isControl) ok = SetKeyValue(clsidKey + L"\\Control", nullptr, L"");
  return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterServer(const ServerInfo& info) {
  DeleteKeyTree(HKEY_CLASSES_ROOT, L"CLSID\\" + GuidText(*info.clsid));
  if (info.progId) DeleteKeyTree(HKEY_CLASSES_ROOT, info.progId);
  return S_OK;
}

HRESULT RegisterModuleTypeLib() {
  wchar_t path[MAX_PATH];
  if (!ModulePath(path, MAX_PATH)) return SELFREG_E_TYPELIB;
  ITypeLib* lib = nullptr;
  HRESULT hr = kv::ole::LoadTypeLibrary(path, true, &lib);
  if (lib) lib->Release();
  return SUCCEEDED(hr) ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT UnregisterModuleTypeLib() {
  ITypeLib* lib = nullptr;
  HRESULT hr = ModuleTypeLib(&lib);
  if (FAILED(hr)) return SELFREG_E_TYPELIB;
  TLIBATTR* attr = nullptr;
  hr = lib->GetLibAttr(&attr);
  if (SUCCEEDED(hr)) {
    kv::ole::UnregisterTypeLibrary(*attr);
    lib->ReleaseTLibAttr(attr);
  }
  lib->Release();
  return S_OK;
}

HRESULT RegisterAll(const ServerInfo* servers, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    HRESULT hr = RegisterServer(servers[i]);
    if (FAILED(hr)) return hr;
  }
  return RegisterModuleTypeLib();
}

HRESULT UnregisterAll(const ServerInfo* servers, size_t count) {
  for (size_t i = 0; i < count; ++i) UnregisterServer(servers[i]);
  return UnregisterModuleTypeLib();
}

}  // namespace kv::com
