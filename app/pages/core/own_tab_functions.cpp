// Shared helpers of the own tabs (see own_tab_functions.h).
#include "app/pages/core/own_tab_functions.h"

#include <cctype>
#include <climits>

#include "app/catalogue/function_record.h"

namespace kv {

int LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long v = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    v = v * 10 + (text[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) v = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  return static_cast<int>(v);
}

int ReadFunctionNumber(FunctionSource& source, int number) {
  const FunctionRecord* f = source.Function(number);
  if (!f) return 0;
  const std::string text = source.ReadValueText(number);
  return text.empty() ? f->DefaultNumber : LeadingNumber(text);
}

}  // namespace kv
