// The three function database files as bytes: "Korvn2k.fkt" (function records), "Korvn2k.hdl"
// (26 group-caption records) and "Korvn2k.idx" (101 function numbers). The decoders read sequentially
// and never fail: a record is taken only when it is whole in the data; the record that runs past the
// end and every one after it stay empty (texts empty, numbers 0). Bytes after the last record are ignored.
// The encoders produce the exact file bytes (used by the catalogue compiler and by tests).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/catalogue/function_record.h"

namespace kv {

using GroupCaptionTable = std::array<GroupCaptionRecord, kGroupCaptionRecords>;
using PageFunctionTable = std::array<std::int16_t, kPageFunctionSlots>;

std::vector<std::uint8_t> EncodeFunctionFile(const std::vector<FunctionRecord>& records);
// Always returns exactly `count` records.
std::vector<FunctionRecord> DecodeFunctionFile(const std::vector<std::uint8_t>& bytes, std::size_t count);

std::vector<std::uint8_t> EncodeGroupCaptionFile(const GroupCaptionTable& records);
GroupCaptionTable DecodeGroupCaptionFile(const std::vector<std::uint8_t>& bytes);

std::vector<std::uint8_t> EncodePageIndexFile(const PageFunctionTable& numbers);
PageFunctionTable DecodePageIndexFile(const std::vector<std::uint8_t>& bytes);

// Record-level pieces, for writers that stream records one at a time.
class ByteReader;
class ByteWriter;
void WriteFunctionRecord(ByteWriter& out, const FunctionRecord& record);
FunctionRecord ReadFunctionRecord(ByteReader& in);  // check in.ok() afterwards

}  // namespace kv
