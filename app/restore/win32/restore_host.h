// What the restore window needs from the program around it: texts, the message and help dialogs,
// the open dialog, the registry, catalogue and files, the current profile path that outlives the
// window, and the main window's side (going back to the previous tool, need bits, enabling).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"

namespace kv {

class RestoreHost {
 public:
  virtual ~RestoreHost() = default;
  virtual std::string Text(int id) const = 0;
  // The message dialog over the main window; kind 0 OK, 2 Yes/No; result 1 OK, 6 Yes, 7 No.
  virtual int Message(const std::string& headline, const std::string& text, int kind) = 0;
  // The help box over the main window, no check box, no extra heading.
  virtual void HelpBox(const std::string& text) = 0;
  // The open dialog for profile files; "" when cancelled.
  virtual std::string OpenProfileDialog(const std::string& title, const std::string& proposedFile) = 0;
  // The save dialog for a registry file (*.reg); "" when cancelled or not offered.
  virtual std::string SaveRegFileDialog(const std::string&) { return std::string(); }
  // Shows the tool the window was opened from again (this unloads the restore window).
  virtual void ReturnToTool(int tool, int tab) = 0;
  virtual void RaiseRestartNeed(std::int16_t restartLevel) = 0;
  virtual void EnableMainWindow(bool enabled) = 0;
  virtual void PumpMessages() = 0;

  virtual Registry& Reg() = 0;
  virtual const Catalogue& Functions() const = 0;
  virtual FileStore& Files() = 0;
  virtual std::string UndoFilePath() const = 0;
  virtual std::string ProgramFolder() const = 0;
  // The profile the window works with; "" = the master profile. Lives as long as the program.
  virtual std::string& CurrentProfilePath() = 0;
  // Whether the master profile can be restored from (the Master profile button needs it).
  virtual bool MasterProfileUsable() { return true; }
  // A restore run ended (what was known about the profiles is checked again).
  virtual void RestoreFinished() {}
  // Starts or ends a batch of registry writes and read-backs: keys stay open in between.
  virtual void BatchRegistry(bool /*on*/) {}
};

}  // namespace kv
