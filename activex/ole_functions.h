// OLE Automation functions whose place on Windows NT 4.0 is not certain, looked up at run time:
// the picture and font objects (olepro32.dll on NT 4.0, oleaut32.dll later) and the type library
// functions of newer OLE Automation versions. Each falls back to what NT 4.0 surely has.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include "app/controls/win32/system_function.h"

namespace kv::ole {

// An OLE Automation export from oleaut32.dll, else from olepro32.dll; nullptr when neither has it.
template <typename Function>
Function AutomationFunction(const char* name) {
  if (auto f = SystemFunction<Function>("oleaut32.dll", name)) return f;
  return SystemFunction<Function>("olepro32.dll", name);
}

inline HRESULT CreatePictureIndirect(PICTDESC* desc, REFIID iid, BOOL own, void** object) {
  using Fn = HRESULT(WINAPI*)(PICTDESC*, REFIID, BOOL, void**);
  static const auto f = AutomationFunction<Fn>("OleCreatePictureIndirect");
  if (object) *object = nullptr;
  return f ? f(desc, iid, own, object) : E_NOTIMPL;
}

// A picture object read from a stream holding the picture object's saved form or a bitmap, icon
// or metafile file.
inline HRESULT LoadPicture(IStream* stream, REFIID iid, void** object) {
  using Fn = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
  static const auto f = AutomationFunction<Fn>("OleLoadPicture");
  if (object) *object = nullptr;
  return f ? f(stream, 0, FALSE, iid, object) : E_NOTIMPL;
}

inline HRESULT CreateFontIndirect(FONTDESC* desc, REFIID iid, void** object) {
  using Fn = HRESULT(WINAPI*)(FONTDESC*, REFIID, void**);
  static const auto f = AutomationFunction<Fn>("OleCreateFontIndirect");
  if (object) *object = nullptr;
  return f ? f(desc, iid, object) : E_NOTIMPL;
}

// A system colour (0x80000000 + index) or a plain RGB colour as COLORREF.
inline COLORREF TranslateColor(OLE_COLOR colour) {
  using Fn = HRESULT(WINAPI*)(OLE_COLOR, HPALETTE, COLORREF*);
  static const auto f = AutomationFunction<Fn>("OleTranslateColor");
  COLORREF out = 0;
  if (f && SUCCEEDED(f(colour, nullptr, &out))) return out;
  if ((colour & 0xFF000000u) == 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFFFF));
  return colour & 0xFFFFFF;
}

// Loads the type library of a file, registering it or not. Without LoadTypeLibEx the library is
// loaded with LoadTypeLib, which registers it as a side effect.
inline HRESULT LoadTypeLibrary(const wchar_t* path, bool registerIt, ITypeLib** lib) {
  using Fn = HRESULT(WINAPI*)(LPCOLESTR, REGKIND, ITypeLib**);
  static const auto f = SystemFunction<Fn>("oleaut32.dll", "LoadTypeLibEx");
  if (f) return f(path, registerIt ? REGKIND_REGISTER : REGKIND_NONE, lib);
  using PlainFn = HRESULT(WINAPI*)(LPCOLESTR, ITypeLib**);
  static const auto plain = SystemFunction<PlainFn>("oleaut32.dll", "LoadTypeLib");
  return plain ? plain(path, lib) : E_NOTIMPL;
}

// Removes a type library's registration; S_FALSE where the system's OLE Automation cannot.
inline HRESULT UnregisterTypeLibrary(const TLIBATTR& attr) {
  using Fn = HRESULT(WINAPI*)(REFGUID, WORD, WORD, LCID, SYSKIND);
  static const auto f = SystemFunction<Fn>("oleaut32.dll", "UnRegisterTypeLib");
  return f ? f(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind) : S_FALSE;
}

}  // namespace kv::ole
