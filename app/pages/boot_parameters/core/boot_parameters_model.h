// The Boot parameters tab without its windows: the systems of BOOT.INI with their start switches, the
// selected system's controls, the boot menu's timeout mode, the save hint, Save and Restore.
// Nothing reaches the boot file before Save; Save builds the whole new text in the temporary file,
// checks it and only then puts it in place of the boot file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/pages/boot_parameters/core/boot_files.h"
#include "app/pages/boot_parameters/core/boot_ini.h"
#include "app/pages/core/own_tab_host.h"

namespace kv {

// Text ids of the tab (German; the host adds the language offset).
enum BootText {
  kBootHeadlineText = 120,
  kBootRestoreQuestionText = 121,
  kBootSavedText = 122,
  kBootSaveHintText = 663,
  kBootHintCheckText = 110,
  kBootRestoreFailedText = 664,
  kBootUnreadableText = 665,
  kBootSaveFailedText = 697,
};

// What the controls of the selected system show.
struct BootEntryView {
  std::array<bool, kBootSwitchCount> Ticked{};
  std::array<bool, kBootSwitchCount> SwitchEnabled{};
  bool FieldsEnabled = false;  // memory and processor fields
  int Memory = 32;             // megabytes
  int Processors = 1;
};

enum class BootSaveResult { Saved, NotRead, TempFailed, ReplaceFailed };

class BootParametersModel {
 public:
  static constexpr int kDefaultMemory = 32;
  static constexpr int kDefaultProcessors = 1;

  BootParametersModel(BootFileAccess& files, OwnTabHost& host);

  // Reads the boot file again; selects the first system when there is one.
  void Read();
  // False when the boot file could not be read: the page shows nothing to save.
  bool Readable() const { return readable_; }
  const std::vector<BootEntry>& Entries() const { return ini_.Entries; }
  const BootPaths& Paths() const { return paths_; }

  int Selected() const { return selected_; }
  void Select(int index);  // out-of-range indexes select nothing
  BootEntryView View() const;

  // Edits of the selected system. `memoryField` is the memory field's value at the time; ticking the
  // /MAXMEM: box takes it as the limit.
  void SwitchChanged(int k, bool ticked, int memoryField);
  void MemoryChanged(int value);
  void ProcessorsChanged(int value, int memoryField);
  // The in-place edit of a system's text ended; false (nothing kept) when the text is refused.
  bool Rename(int index, const std::string& text);
  // Makes the selected system the one the boot menu starts by default (the "default" key names its
  // path); the key is left as read until the user chooses.
  void MakeSelectedDefault();
  // Whether the selected system can be made the default: there is one and it is not the default yet.
  bool CanMakeSelectedDefault() const;

  // Timeout: mode 0 start at once, 1 wait without limit, 2 wait `seconds`; -1 none chosen yet.
  std::int16_t Timeout() const { return ini_.Timeout; }
  int TimeoutMode() const { return timeoutMode_; }
  int Seconds() const { return seconds_; }
  bool SecondsVisible() const { return timeoutMode_ == 2; }
  void ChooseTimeoutMode(int mode, int secondsField);
  void SecondsChanged(int seconds);

  // Writes the boot file and tells the user how it went (saved, or not saved and the file unchanged).
  BootSaveResult Save();
  // Asks, then puts the backup back in place of the boot file and reads it; true when it did.
  bool Restore();

 private:
  BootEntry* SelectedEntry();
  void ShowSaveHint();
  BootSaveResult WriteBootFile();

  BootFileAccess& files_;
  OwnTabHost& host_;
  BootPaths paths_;
  BootIni ini_;
  bool readable_ = false;
  int selected_ = -1;
  int timeoutMode_ = -1;
  int seconds_ = 0;
  bool hintShown_ = false;
};

}  // namespace kv
