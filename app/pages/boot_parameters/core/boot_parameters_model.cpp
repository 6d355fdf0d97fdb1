// The Boot parameters tab's logic (see boot_parameters_model.h).
#include "app/pages/boot_parameters/core/boot_parameters_model.h"

#include "app/catalogue/registry.h"

namespace kv {

namespace {
const char* const kWorkSetKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\WorkSet";
const char* const kHintValue = "BootParamInfo";
}  // namespace

BootParametersModel::BootParametersModel(BootFileAccess& files, OwnTabHost& host)
    : files_(files), host_(host), paths_(BootPathsOf(host.Folders())) {}

void BootParametersModel::Read() {
  std::string text;
  readable_ = files_.Read(paths_.BootFile, &text);
  const int keptMode = timeoutMode_;
  ini_ = readable_ ? ParseBootIni(text) : BootIni();
  selected_ = ini_.Entries.empty() ? -1 : 0;
  timeoutMode_ = keptMode;
  if (!readable_) return;
  if (ini_.Timeout == -1) timeoutMode_ = 1;
  if (ini_.Timeout == 0) timeoutMode_ = 0;
  if (ini_.Timeout > 0) {
    timeoutMode_ = 2;
    seconds_ = ini_.Timeout;
  }
}

void BootParametersModel::Select(int index) {
  selected_ = index >= 0 && index < static_cast<int>(ini_.Entries.size()) ? index : -1;
}

BootEntry* BootParametersModel::SelectedEntry() {
  return selected_ >= 0 && selected_ < static_cast<int>(ini_.Entries.size()) ? &ini_.Entries[selected_] : nullptr;
}

BootEntryView BootParametersModel::View() const {
  BootEntryView view;
  if (selected_ < 0 || selected_ >= static_cast<int>(ini_.Entries.size())) return view;
  const BootEntry& e = ini_.Entries[selected_];
  const bool enabled = e.Kind == 2;
  view.Ticked = e.Switches;
  view.SwitchEnabled.fill(enabled);
  if (host_.RunningNt4()) view.SwitchEnabled[kNoGuiBoot] = false;  // NT 4 has no logo switch
  view.FieldsEnabled = enabled;
  view.Memory = e.Switches[kMaxMemOn] ? e.MaxMem : kDefaultMemory;
  view.Processors = e.Switches[kNumProcOn] ? e.NumProc : kDefaultProcessors;
  return view;
}

void BootParametersModel::SwitchChanged(int k, bool ticked, int memoryField) {
  BootEntry* e = SelectedEntry();
  if (!e || k < 0 || k >= kBootSwitchCount) return;
  ShowSaveHint();
  e->Switches[k] = ticked;
  // Only the memory box takes the field's value: the field clamps what it shows (at most 1024), so a
  // larger /MAXMEM: from the file would otherwise shrink when any other box is touched.
  if (k == kMaxMemOn) e->MaxMem = memoryField;
}

void BootParametersModel::MemoryChanged(int value) {
  BootEntry* e = SelectedEntry();
  if (!e) return;
  e->MaxMem = value;
  SwitchChanged(kMaxMemOn, true, value);
}

void BootParametersModel::ProcessorsChanged(int value, int memoryField) {
  BootEntry* e = SelectedEntry();
  if (!e) return;
  e->NumProc = value;
  SwitchChanged(kNumProcOn, true, memoryField);
}

bool BootParametersModel::Rename(int index, const std::string& text) {
  if (index < 0 || index >= static_cast<int>(ini_.Entries.size()) || !IsValidBootDescription(text)) return false;
  ini_.Entries[index].Description = text;
  return true;
}

void BootParametersModel::MakeSelectedDefault() {
  if (!CanMakeSelectedDefault()) return;
  ShowSaveHint();
  ini_.Default = ini_.Entries[selected_].ArcPath;
  MarkDefaultEntry(ini_);
}

bool BootParametersModel::CanMakeSelectedDefault() const {
  return selected_ >= 0 && selected_ < static_cast<int>(ini_.Entries.size()) &&
         ini_.Entries[selected_].Picture != 3;
}

void BootParametersModel::ChooseTimeoutMode(int mode, int secondsField) {
  if (mode < 0 || mode > 2) return;
  timeoutMode_ = mode;
  if (mode == 2) seconds_ = secondsField;
  ini_.Timeout = static_cast<std::int16_t>(mode == 0 ? 0 : mode == 1 ? -1 : secondsField);
}

void BootParametersModel::SecondsChanged(int seconds) {
  seconds_ = seconds;
  ini_.Timeout = static_cast<std::int16_t>(seconds);
}

// Shown once per opening of the page, until the user ticks "don't show again".
void BootParametersModel::ShowSaveHint() {
  if (hintShown_) return;
  Registry& reg = host_.Reg();
  if (reg.RegReadDword(kWorkSetKey, kHintValue, -1) == 0) return;
  const bool never = host_.HelpBox(host_.Text(kBootSaveHintText), host_.Text(kBootHintCheckText));
  reg.RegWriteDword(kWorkSetKey, kHintValue, never ? 0 : -1);
  hintShown_ = true;
}

BootSaveResult BootParametersModel::WriteBootFile() {
  // A boot file that could not be read is never overwritten with an empty system list.
  if (!readable_) return BootSaveResult::NotRead;
  const std::string text = FormatBootIni(ini_);
  // The temporary file is always our own new one: a file of that name that someone else created (or
  // re-created after ours was removed) fails the save instead of being used.
  if (files_.Exists(paths_.Temp)) files_.Remove(paths_.Temp);
  std::string check;
  if (!files_.CreateNew(paths_.Temp, text) || !files_.Read(paths_.Temp, &check) || check != text)
    return BootSaveResult::TempFailed;
  files_.SetAttributes(paths_.BootFile, kNormalAttributes);
  if (!files_.ReplaceWithCopy(paths_.Temp, paths_.BootFile)) return BootSaveResult::ReplaceFailed;
  // What arrived is what was meant (the temporary file could have changed before the copy).
  if (!files_.Read(paths_.BootFile, &check) || check != text) return BootSaveResult::ReplaceFailed;
  return BootSaveResult::Saved;
}

BootSaveResult BootParametersModel::Save() {
  const BootSaveResult result = WriteBootFile();
  const int text = result == BootSaveResult::Saved ? kBootSavedText
                   : result == BootSaveResult::NotRead ? kBootUnreadableText
                                                        : kBootSaveFailedText;
  host_.MessageDialog(host_.Text(kBootHeadlineText), host_.Text(text), 0);
  return result;
}

bool BootParametersModel::Restore() {
  if (host_.MessageDialog(host_.Text(kBootHeadlineText), host_.Text(kBootRestoreQuestionText), 2) != 6) return false;
  if (!files_.Exists(paths_.Backup)) return false;
  files_.SetAttributes(paths_.BootFile, kNormalAttributes);
  if (!files_.ReplaceWithCopy(paths_.Backup, paths_.BootFile)) {
    host_.MessageDialog(host_.Text(kBootHeadlineText), host_.Text(kBootRestoreFailedText), 0);
    return false;
  }
  Read();
  return true;
}

}  // namespace kv
