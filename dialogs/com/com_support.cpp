// Automation boundary conversions and error raising (see com_support.h).
#include "dialogs/com/com_support.h"

#include <oleauto.h>

#include "activex/variant.h"

namespace kvdlg::com {

std::string Ansi(BSTR text) {
  if (text == nullptr) return {};
  int length = static_cast<int>(SysStringLen(text));
  if (length == 0) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, &out[0], size, nullptr, nullptr);
  return out;
}

BSTR MakeBstr(const std::string& text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(size));
  if (out != nullptr && size > 0) {
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out, size);
  }
  return out;
}

HWND WindowFromLong(LONG value) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(value)); }
LONG LongFromWindow(HWND window) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(window)); }

LONG ReadVariantLong(const VARIANT* value, LONG fallback) {
  return value != nullptr ? kv::com::ReadLong(*value, fallback) : fallback;
}

void WriteVariantLong(VARIANT* value, LONG number) {
  if (value == nullptr) return;
  VARIANT* target = value;
  if (V_VT(value) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(value) != nullptr) target = V_VARIANTREF(value);
  switch (V_VT(target)) {
    case VT_I4 | VT_BYREF: *V_I4REF(target) = number; return;
    case VT_I2 | VT_BYREF: *V_I2REF(target) = static_cast<SHORT>(number); return;
    case VT_BOOL | VT_BYREF: *V_BOOLREF(target) = number != 0 ? VARIANT_TRUE : VARIANT_FALSE; return;
    default:
      VariantClear(target);
      V_VT(target) = VT_I4;
      V_I4(target) = number;
      return;
  }
}

HRESULT RaiseServiceError(ServiceError error) {
  if (error == ServiceError::None) return S_OK;
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetSource(const_cast<LPOLESTR>(L"korvndlg.WindowProc"));
    std::string text = ServiceErrorText(error);
    std::wstring wide(text.begin(), text.end());
    create->SetDescription(const_cast<LPOLESTR>(wide.c_str()));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return static_cast<HRESULT>(ServiceErrorHresult(error));
}

}  // namespace kvdlg::com
