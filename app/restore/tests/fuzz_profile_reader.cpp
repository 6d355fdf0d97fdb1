// Fuzz target: any bytes read as a profile, with the function count taken from the first two bytes.
// Decoding must never crash, always give N + 3 records, and re-encoding a valid decode must be stable.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/restore/profile_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int n = (data[0] | (data[1] << 8)) % 80 - 8;
  const kv::ProfileTable table = kv::DecodeProfile(data + 2, size - 2, n);
  if (table.size() != kv::ProfileRecordCount(n)) std::abort();
  (void)kv::IsValidProfile(table, n);
  if (kv::DecodeProfile(kv::EncodeProfile(table), n) != table) std::abort();
  return 0;
}
