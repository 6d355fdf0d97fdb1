// The "Version a.b.c" line of the splash from the program's own version resource, read straight from
// the resource bytes (no file access and no version library at start-up).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kv {

// "Version major.minor.build" from a VS_VERSIONINFO block; `fallback` when the block is too short,
// not a version block or its fixed part lacks the signature.
std::string VersionLineFromResource(const std::uint8_t* data, std::size_t size, const std::string& fallback);

}  // namespace kv
