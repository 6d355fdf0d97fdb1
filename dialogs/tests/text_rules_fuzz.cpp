// Fuzz target: the dialog library's text parsers on arbitrary input (help text split, icon
// locations, file dialog start, wildcard match, %SystemRoot% expansion).
#include <cstddef>
#include <cstdint>
#include <string>

#include "dialogs/core/path_rules.h"
#include "dialogs/core/text_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t cut = text.find('\n');
  std::string first = text.substr(0, cut);
  std::string second = cut == std::string::npos ? std::string() : text.substr(cut + 1);

  kvdlg::HelpText help = kvdlg::SplitHelpText(text);
  if (help.body.size() > text.size()) __builtin_trap();
  kvdlg::BarsToLineBreaks(text);
  kvdlg::LeadingNumber(text);
  kvdlg::IconLocation location = kvdlg::ParseIconLocation(text, 0);
  kvdlg::IconLocationText(location.file, location.index);
  kvdlg::FileDialogStartFor(text);
  kvdlg::FileNameBuffer(first);
  kvdlg::ExpandSystemRoot(text, "C:\\WINNT\\");
  kvdlg::WildcardMatch(first.substr(0, 64), second.substr(0, 64));
  kvdlg::FolderMatchesSpec(first.substr(0, 64), second.substr(0, 64));
  return 0;
}
