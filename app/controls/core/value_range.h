// A range given as two bounds in either order (Min may lie above Max while both are being set).
#pragma once

namespace kv::controls {

constexpr int RangeLow(int a, int b) { return a < b ? a : b; }
constexpr int RangeHigh(int a, int b) { return a < b ? b : a; }
constexpr int ClampToRange(int v, int a, int b) {
  return v < RangeLow(a, b) ? RangeLow(a, b) : (v > RangeHigh(a, b) ? RangeHigh(a, b) : v);
}

}  // namespace kv::controls
