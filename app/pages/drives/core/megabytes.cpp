// Amounts in the user's number format (see megabytes.h).
#include "app/pages/drives/core/megabytes.h"

#include <vector>

namespace kv {

std::uint64_t DivideHalfEven(std::uint64_t amount, std::uint64_t divisor) {
  if (divisor == 0) return 0;
  std::uint64_t quotient = amount / divisor;
  const std::uint64_t rest = amount % divisor;
  const std::uint64_t other = divisor - rest;  // distance to the next multiple
  if (rest > other || (rest == other && quotient % 2 == 1)) ++quotient;
  return quotient;
}

std::vector<int> ParseGrouping(const std::string& text) {
  std::vector<int> sizes;
  int current = -1;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      current = current < 0 ? c - '0' : current * 10 + (c - '0');
      if (current > 9) current = 9;
    } else if (c == ';' && current >= 0) {
      sizes.push_back(current);
      current = -1;
    }
  }
  if (current >= 0) sizes.push_back(current);
  return sizes;
}

std::string GroupedNumber(std::uint64_t value, const NumberFormat& format) {
  // Group sizes up to the first 0; a 0 means the last size repeats for the remaining digits.
  std::vector<std::size_t> sizes;
  bool repeat = false;
  for (int g : format.Grouping) {
    if (g <= 0) {
      repeat = true;
      break;
    }
    sizes.push_back(static_cast<std::size_t>(g));
  }
  const std::string digits = std::to_string(value);
  std::vector<std::string> groups;  // from the right
  std::size_t end = digits.size();
  for (std::size_t i = 0; end > 0; ++i) {
    std::size_t size = 0;
    if (i < sizes.size()) size = sizes[i];
    else if (repeat && !sizes.empty()) size = sizes.back();
    if (size == 0 || size >= end) {
      groups.push_back(digits.substr(0, end));
      break;
    }
    groups.push_back(digits.substr(end - size, size));
    end -= size;
  }
  std::string out;
  for (auto g = groups.rbegin(); g != groups.rend(); ++g) out += (g == groups.rbegin() ? std::string() : format.Group) + *g;
  return out;
}

std::string MegabytesText(std::uint64_t bytes, const NumberFormat& format) {
  const std::uint64_t hundredths = DivideHalfEven(bytes, 10000);
  const std::uint64_t fraction = hundredths % 100;
  return GroupedNumber(hundredths / 100, format) + format.Decimal + (fraction < 10 ? "0" : "") +
         std::to_string(fraction) + " MB";
}

}  // namespace kv
