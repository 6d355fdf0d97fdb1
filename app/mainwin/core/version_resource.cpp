// Version line from a version resource block (see version_resource.h).
#include "app/mainwin/core/version_resource.h"

namespace kv {

namespace {
constexpr std::uint32_t kFixedSignature = 0xFEEF04BD;
constexpr char16_t kKey[] = u"VS_VERSION_INFO";
constexpr std::size_t kHeaderBytes = 6;                     // wLength, wValueLength, wType
constexpr std::size_t kKeyBytes = sizeof kKey;              // with its terminating NUL
constexpr std::size_t kFixedOffset = (kHeaderBytes + kKeyBytes + 3) & ~std::size_t{3};  // 32-bit aligned
constexpr std::size_t kFixedBytes = 13 * 4;                 // VS_FIXEDFILEINFO

std::uint32_t Le16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t Le32(const std::uint8_t* p) { return Le16(p) | (Le16(p + 2) << 16); }
}  // namespace

std::string VersionLineFromResource(const std::uint8_t* data, std::size_t size, const std::string& fallback) {
  if (!data || size < kFixedOffset + kFixedBytes) return fallback;
  if (Le16(data + 2) < kFixedBytes) return fallback;  // no fixed part
  for (std::size_t i = 0; i < kKeyBytes / 2; ++i)
    if (Le16(data + kHeaderBytes + 2 * i) != static_cast<std::uint32_t>(kKey[i])) return fallback;
  const std::uint8_t* fixed = data + kFixedOffset;
  if (Le32(fixed) != kFixedSignature) return fallback;
  const std::uint32_t ms = Le32(fixed + 8), ls = Le32(fixed + 12);  // dwFileVersionMS, dwFileVersionLS
  return "Version " + std::to_string(ms >> 16) + "." + std::to_string(ms & 0xFFFF) + "." + std::to_string(ls >> 16);
}

}  // namespace kv
