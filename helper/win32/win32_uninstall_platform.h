// The uninstall restore's message boxes and the start of the uninstaller on Windows.
#pragma once

#include "helper/core/uninstall_restore.h"
#include "helper/win32/string_table.h"

namespace kv::helper {

class Win32UninstallPlatform : public UninstallPlatform {
 public:
  explicit Win32UninstallPlatform(const StringTable& texts) : texts_(texts) {}
  void ShowWarning(int textId, int titleId) override;
  bool AskYesNo(int textId, int titleId) override;
  void PumpMessages() override;
  void StartProgram(const std::string& commandLine) override;

 private:
  const StringTable& texts_;
};

}  // namespace kv::helper
