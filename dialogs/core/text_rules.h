// Text conventions of the dialog library: "|" line breaks, the help text's "heading#body" form,
// the default headline and the language offset read from the product key.
#pragma once

#include <cstdint>
#include <string>

namespace kvdlg {

// Every "|" becomes CR LF.
std::string BarsToLineBreaks(const std::string& text);

// The message dialog's headline: the given text, or "Korvane 2000" when it is empty.
std::string HeadlineOrDefault(const std::string& headline);

constexpr std::size_t kMaxHelpBodyChars = 32000;

struct HelpText {
  bool hasHeading = false;
  std::string heading;
  std::string body;  // still with "|" breaks
};

// Splits "heading#body" at the first "#" when that "#" is not the first character;
// the body keeps at most kMaxHelpBodyChars characters. Otherwise the whole text is the body.
HelpText SplitHelpText(const std::string& message);

// Language offset from the "Language" DWORD: 1 selects English (1000); every other value German (0),
// since the string tables hold only those two languages.
int LanguageOffsetFromSetting(std::uint32_t language);

// Leading decimal number of a text, after leading blanks, with an optional sign; 0 when there is none.
// Saturates instead of overflowing.
std::int32_t LeadingNumber(const std::string& text);

}  // namespace kvdlg
