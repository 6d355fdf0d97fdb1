// Fuzzes the "Korvn2k.idx" decoder: whole numbers are taken as stored, missing ones are 0.
#include <cstddef>
#include <cstdint>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const kv::PageFunctionTable table = kv::DecodePageIndexFile(bytes);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const bool whole = 2 * i + 1 < size;
    const std::uint16_t stored = whole ? static_cast<std::uint16_t>(data[2 * i] | (data[2 * i + 1] << 8)) : 0;
    KV_FUZZ_CHECK(table[i] == static_cast<std::int16_t>(stored));
  }
  return 0;
}
