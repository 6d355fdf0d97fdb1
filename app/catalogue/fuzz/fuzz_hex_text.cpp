// Fuzzes the hex text conversions: parsing accepts exactly the hex texts and renders them back,
// and a number written with NumberToHex reads back unchanged with HexToNumber.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/catalogue/ansi_text.h"
#include "app/catalogue/fuzz/fuzz_check.h"
#include "app/catalogue/hex_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::uint8_t> bytes;
  const bool isHex = kv::HexTextToBytes(text, &bytes);
  KV_FUZZ_CHECK(isHex == (text.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos));
  if (isHex) {
    KV_FUZZ_CHECK(bytes.size() == (size + 1) / 2);
    if (size % 2 == 0) KV_FUZZ_CHECK(kv::BytesToHexText(bytes) == kv::AnsiUpper(text));
  } else {
    KV_FUZZ_CHECK(bytes.empty() && kv::HexToNumber(text) == 0);
  }
  if (size >= 5) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    const int width = static_cast<std::int8_t>(data[4]);
    const std::string written = kv::NumberToHex(value, width);
    KV_FUZZ_CHECK(written.size() % 2 == 0);
    KV_FUZZ_CHECK(kv::HexToNumber(written) == value);
  }
  return 0;
}
