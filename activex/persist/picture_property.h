// A picture object property (IPictureDisp) saved by name: the picture object's own stream form
// (IPersistStream: a short header, then the bitmap, icon or metafile file), as hexadecimal text, so
// pictures go through the container's stream and property bag like every other property.
#pragma once

#include <windows.h>
#include <olectl.h>

#include "activex/persist/property_list.h"

namespace kv::persist {

// Writes nothing for a null picture, an empty one, or one that cannot save itself or is too large
// for a text property (over 512 KB); the property then loads as none.
void SavePicture(Bag& bag, const char* name, IUnknown* picture);
// A new picture object (caller releases), or nullptr when the bag holds none or its data is not a
// picture.
IPictureDisp* LoadPicture(const Bag& bag, const char* name);

}  // namespace kv::persist
