// Fuzzes the number-of-a-text reading: never crashes, the 16-bit reading of a decimal text is the
// 32-bit one clamped, and plain integers read exactly.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/catalogue/fuzz/fuzz_check.h"
#include "app/catalogue/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::int32_t n32 = kv::NumberOfText(text);
  const std::int16_t n16 = kv::NumberOfText16(text);
  const std::size_t start = text.find_first_not_of(" \t");
  const bool hex = start != std::string::npos && start + 1 < text.size() && text[start] == '&' &&
                   (text[start + 1] == 'H' || text[start + 1] == 'h');
  if (!hex) {
    const std::int32_t clamped = n32 < INT16_MIN ? INT16_MIN : (n32 > INT16_MAX ? INT16_MAX : n32);
    KV_FUZZ_CHECK(n16 == clamped);
  }
  // A short plain integer reads as itself.
  if (size > 0 && size < 9 && text.find_first_not_of("0123456789") == std::string::npos) {
    KV_FUZZ_CHECK(n32 == std::stol(text));
  }
  return 0;
}
