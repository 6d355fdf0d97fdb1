// Path variable table and its expansion into database texts.
#include "app/engine/path_variables.h"

namespace kv {

std::string WithTrailingBackslash(const std::string& folder) {
  if (!folder.empty() && folder.back() == '\\') return folder;
  return folder + "\\";
}

void PathVariables::Init(const PlatformFolders& folders, const Registry& registry) {
  systemFolder_ = WithTrailingBackslash(folders.SystemFolder);
  windowsFolder_ = WithTrailingBackslash(folders.WindowsFolder);
  tempFolder_ = WithTrailingBackslash(folders.TempFolder);
  programFolder_ = WithTrailingBackslash(folders.ProgramFolder);
  bootFolder_ = registry.RegReadString(kBootDirKey, "BootDir", "C:\\");
  undoFilePath_ = systemFolder_ + kUndoFileName;
  table_ = {{{"%INPUT%", ""},
             {"%SYS%", systemFolder_},
             {"%WIN%", windowsFolder_},
             {"%TEMP%", tempFolder_},
             {"%BOOT%", bootFolder_},
             {"", ""}}};
}

namespace {
std::string ReplaceAll(const std::string& text, const std::string& name, const std::string& value) {
  if (name.empty()) return text;
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, from)) {
    result.append(text, from, at - from);
    result += value;
    from = at + name.size();
  }
  result.append(text, from, std::string::npos);
  return result;
}
}  // namespace

std::string PathVariables::Expand(const std::string& templateText, const std::string& input) const {
  if (templateText.empty()) return std::string();
  std::string text = ReplaceAll(templateText, table_[0].first, input);
  for (std::size_t slot = 1; slot < table_.size(); ++slot) text = ReplaceAll(text, table_[slot].first, table_[slot].second);
  return text;
}

}  // namespace kv
