// Conversions at the automation boundary: BSTR <-> ANSI text, window handles from 32-bit values,
// by-reference VARIANT arguments, and raising the library's numbered errors with their texts.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "dialogs/core/errors.h"

namespace kvdlg::com {

std::string Ansi(BSTR text);
BSTR MakeBstr(const std::string& text);
HWND WindowFromLong(LONG value);
LONG LongFromWindow(HWND window);

// Reads a by-reference (or by-value) VARIANT as a number; fallback when it is not one.
LONG ReadVariantLong(const VARIANT* value, LONG fallback = 0);
// Writes a number back through a VARIANT argument, keeping the caller's type when it is a reference.
void WriteVariantLong(VARIANT* value, LONG number);

// Sets the thread's error information (source "<module>.WindowProc", the error's text) and returns
// 0x80040000 + number; S_OK for ServiceError::None.
HRESULT RaiseServiceError(ServiceError error);

}  // namespace kvdlg::com
