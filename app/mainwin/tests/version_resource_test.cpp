// The splash's version line read from raw version-resource bytes, including damaged blocks.
#include <gtest/gtest.h>

#include <vector>

#include "app/mainwin/core/version_resource.h"

namespace kv {
namespace {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

// A version block as the resource compiler lays it out: header, key, padding, fixed part.
std::vector<std::uint8_t> Block(std::uint32_t ms, std::uint32_t ls) {
  std::vector<std::uint8_t> b(40 + 52 + 8, 0);
  Put16(b, 0, static_cast<std::uint32_t>(b.size()));
  Put16(b, 2, 52);
  const char* key = "VS_VERSION_INFO";
  for (int i = 0; key[i]; ++i) Put16(b, 6 + 2 * i, static_cast<unsigned char>(key[i]));
  Put32(b, 40, 0xFEEF04BD);
  Put32(b, 48, ms);
  Put32(b, 52, ls);
  return b;
}

TEST(VersionResource, ReadsMajorMinorBuild) {
  auto b = Block(0x00020001, 0x00070009);
  EXPECT_EQ(VersionLineFromResource(b.data(), b.size(), "x"), "Version 2.1.7");
  b = Block(0xFFFF0000, 0xFFFF0000);
  EXPECT_EQ(VersionLineFromResource(b.data(), b.size(), "x"), "Version 65535.0.65535");
}

TEST(VersionResource, DamagedBlocksGiveTheFallback) {
  const auto good = Block(0x00020000, 0);
  EXPECT_EQ(VersionLineFromResource(nullptr, 0, "fallback"), "fallback");
  for (std::size_t cut : {0u, 10u, 40u, 91u})
    EXPECT_EQ(VersionLineFromResource(good.data(), cut, "fallback"), "fallback") << cut;
  auto badSignature = good;
  badSignature[40] ^= 1;
  EXPECT_EQ(VersionLineFromResource(badSignature.data(), badSignature.size(), "fallback"), "fallback");
  auto badKey = good;
  badKey[6] = 'X';
  EXPECT_EQ(VersionLineFromResource(badKey.data(), badKey.size(), "fallback"), "fallback");
  auto noFixedPart = good;
  Put16(noFixedPart, 2, 0);
  EXPECT_EQ(VersionLineFromResource(noFixedPart.data(), noFixedPart.size(), "fallback"), "fallback");
}

}  // namespace
}  // namespace kv
