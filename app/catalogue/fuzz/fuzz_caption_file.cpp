// Fuzzes the "Korvn2k.hdl" decoder: never fails, and its result survives an encode/decode round trip.
#include <cstddef>
#include <cstdint>

#include "app/catalogue/catalogue_file.h"
#include "app/catalogue/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const kv::GroupCaptionTable table = kv::DecodeGroupCaptionFile(bytes);
  KV_FUZZ_CHECK(kv::DecodeGroupCaptionFile(kv::EncodeGroupCaptionFile(table)) == table);
  return 0;
}
