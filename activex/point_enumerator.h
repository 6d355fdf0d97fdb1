// IEnumConnectionPoints over a fixed list of an object's connection points, for
// IConnectionPointContainer::EnumConnectionPoints.
#pragma once

#include <windows.h>
#include <ocidl.h>

namespace kv::com {

// Creates an enumerator that holds a reference on each of the `count` points.
HRESULT EnumeratePoints(IConnectionPoint* const* points, ULONG count, IEnumConnectionPoints** out);

}  // namespace kv::com
