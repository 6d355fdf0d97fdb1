// Per-module COM state shared by the in-process servers: the module handle, the lock count
// behind DllCanUnloadNow, and the module's embedded type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace kv::com {

// Call once from DllMain(DLL_PROCESS_ATTACH).
void SetModule(HINSTANCE module);
HINSTANCE Module();

// Every live object and every IClassFactory::LockServer(TRUE) holds one lock.
void LockModule();
void UnlockModule();
LONG ModuleLockCount();
HRESULT CanUnloadNow();  // S_OK when no lock is held, else S_FALSE

// Holds one module lock for as long as it lives; make it a member of every COM object.
class ModuleLock {
 public:
  ModuleLock() { LockModule(); }
  ~ModuleLock() { UnlockModule(); }
  ModuleLock(const ModuleLock&) { LockModule(); }
  ModuleLock& operator=(const ModuleLock&) { return *this; }
};

// Full path of the module (wide), for registration and type library loading.
bool ModulePath(wchar_t* path, DWORD capacity);

// The type library embedded in the module as resource "1 TYPELIB", loaded once (not registered).
HRESULT ModuleTypeLib(ITypeLib** lib);
// The type information of one interface of that library.
HRESULT ModuleTypeInfo(REFGUID guid, ITypeInfo** info);

}  // namespace kv::com
