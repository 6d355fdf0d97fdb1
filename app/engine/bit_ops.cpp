// Bit set/clear/test on the 32-bit values of binary states and the need bits.
#include "app/engine/bit_ops.h"

namespace kv {

namespace {
bool InRange(int bit) { return bit >= 0 && bit <= 31; }
std::uint32_t Mask(int bit) { return std::uint32_t{1} << bit; }
}  // namespace

std::int32_t BitSet(std::int32_t& value, int bit) {
  if (InRange(bit)) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) | Mask(bit));
  return value;
}

std::int32_t BitClear(std::int32_t& value, int bit) {
  if (InRange(bit)) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & ~Mask(bit));
  return value;
}

bool BitTest(std::int32_t value, int bit) {
  return InRange(bit) && (static_cast<std::uint32_t>(value) & Mask(bit)) != 0;
}

}  // namespace kv
