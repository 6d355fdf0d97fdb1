// Colour values of the control (0x00BBGGRR, or 0x800000nn for system colour nn) to GDI colours.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kv::tree {

inline COLORREF ToColorRef(uint32_t colour) {
  if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace kv::tree
