// The profile file's byte layout: records one after another, little-endian, no header and no
// padding; a number takes 2 bytes, a text a 16-bit byte count plus its bytes (ANSI code page).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/binary_stream.h"
#include "app/restore/profile_record.h"

namespace kv {

// Longest text a profile field can hold (its 16-bit byte count).
inline constexpr std::size_t kMaxProfileText = kMaxFileTextLength;

// Encodes every record of the table. Texts longer than kMaxProfileText are cut to that length;
// the snapshot never produces them (see profile_values.h).
std::vector<std::uint8_t> EncodeProfile(const ProfileTable& table);

// Reads N + 3 records from the start of the bytes. Records beyond the end of short data (or a record
// cut off part-way) stay empty; bytes after record N + 2 are ignored.
ProfileTable DecodeProfile(const std::uint8_t* data, std::size_t size, int functionCount);
inline ProfileTable DecodeProfile(const std::vector<std::uint8_t>& bytes, int functionCount) {
  return DecodeProfile(bytes.data(), bytes.size(), functionCount);
}

// True when record N + 2 carries the marker text in entry 0's key path (exact, case-sensitive).
bool IsValidProfile(const ProfileTable& table, int functionCount);

// The marker record: entry 0 the marker, entry 1 the creation stamp, entry 2 the entry count.
ProfileRecord MakeMarkerRecord(const std::string& stamp, int capturedEntries);

}  // namespace kv
