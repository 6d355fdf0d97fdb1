// Text conventions of the dialog library (see text_rules.h).
#include "dialogs/core/text_rules.h"

#include <climits>

namespace kvdlg {

std::string BarsToLineBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    if (c == '|') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string HeadlineOrDefault(const std::string& headline) {
  return headline.empty() ? std::string("Korvane 2000") : headline;
}

HelpText SplitHelpText(const std::string& message) {
  HelpText result;
  std::size_t hash = message.find('#');
  if (hash == std::string::npos || hash == 0) {
    result.body = message;
    return result;
  }
  result.hasHeading = true;
  result.heading = message.substr(0, hash);
  result.body = message.substr(hash + 1, kMaxHelpBodyChars);
  return result;
}

int LanguageOffsetFromSetting(std::uint32_t language) { return language == 1 ? 1000 : 0; }

std::int32_t LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > INT_MAX) {
      value = INT_MAX;
      break;
    }
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace kvdlg
