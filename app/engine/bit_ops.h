// Bit operations on 32-bit values (bit numbers 0 to 31; bit 31 is the sign bit). A bit number outside
// 0..31 sets, clears and finds nothing.
#pragma once

#include <cstdint>

// 32-bit winnt.h names the _bittest intrinsic BitTest.
#ifdef BitTest
#undef BitTest
#endif

namespace kv {

// Set or clear one bit of `value` in place and return the new value.
std::int32_t BitSet(std::int32_t& value, int bit);
std::int32_t BitClear(std::int32_t& value, int bit);
bool BitTest(std::int32_t value, int bit);

}  // namespace kv
