// Fuzzes the "Korvn2k.fkt" decoder: any bytes give exactly the requested record count, and what was
// decoded encodes and decodes to the same records. The first byte picks the count.
#include <cstddef>
#include <cstdint>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t count = 1 + data[0] % 16;
  const std::vector<std::uint8_t> bytes(data + 1, data + size);
  const std::vector<kv::FunctionRecord> records = kv::DecodeFunctionFile(bytes, count);
  KV_FUZZ_CHECK(records.size() == count);
  KV_FUZZ_CHECK(kv::DecodeFunctionFile(kv::EncodeFunctionFile(records), count) == records);
  return 0;
}
