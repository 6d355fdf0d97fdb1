// A font object property (IFontDisp) saved by name as three plain values, so fonts go through the
// same stream and property bag as everything else: "<name>" the face name, "<name>Size" in
// hundredths of a point, "<name>Style" 1 bold, 2 italic, 4 underline, 8 strikethrough.
#pragma once

#include <windows.h>
#include <olectl.h>

#include "activex/persist/property_list.h"

#include <string>

namespace kv::persist {

// What a font object says about itself.
struct FontFields {
  std::wstring name;
  LONGLONG size = 0;  // CY units: 1/10000 point
  bool bold = false, italic = false, underline = false, strike = false;
};
// False when `font` is null or no font object.
bool ReadFontFields(IUnknown* font, FontFields* out);

// Writes nothing for a null font (the property then loads as none).
void SaveFont(Bag& bag, const char* name, IUnknown* font);
// A new font object (caller releases), or nullptr when the bag holds none or it cannot be made.
IFontDisp* LoadFont(const Bag& bag, const char* name);

}  // namespace kv::persist
