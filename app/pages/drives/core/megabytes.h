// Amounts in the user's number format: division with halves rounded to even, and megabytes with two
// decimals ("1,234.57 MB").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/pages/drives/core/drive_queries.h"

namespace kv {

// amount / divisor rounded to the nearest whole number, halves to the even one; 0 for divisor 0.
std::uint64_t DivideHalfEven(std::uint64_t amount, std::uint64_t divisor);

// Group sizes of the platform's grouping text ("3;2;0" -> {3, 2, 0}); anything but digits and ";"
// is skipped, sizes above 9 count as 9.
std::vector<int> ParseGrouping(const std::string& text);

// A whole number with the format's group separators ("1234567" -> "1,234,567").
std::string GroupedNumber(std::uint64_t value, const NumberFormat& format);

// bytes / 1 000 000 with two decimals (halves to even), the format's separators and " MB".
std::string MegabytesText(std::uint64_t bytes, const NumberFormat& format);

}  // namespace kv
