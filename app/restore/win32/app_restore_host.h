// The main program's side of the restore window and of the profile commands: RestoreHost over the
// program's context (texts, dialog library, engine, registry), the "create profile" command, and
// whether the undo file can be restored from (remembered: see undo_file_check.h). The restore window
// itself is always reachable, also with a damaged undo file: a recovery profile can be chosen there.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/mainwin/win32/app_context.h"
#include "app/restore/recovery_profile.h"
#include "app/restore/restore_window_model.h"
#include "app/restore/undo_file_check.h"
#include "app/restore/win32/restore_host.h"
#include "app/restore/win32_file_store.h"

namespace kv {

class AppRestoreHost : public RestoreHost, private ProfileCreationUi {
 public:
  using SwitchBack = std::function<void(int tool, int tab)>;
  AppRestoreHost(AppContext& app, HWND mainWindow, SwitchBack switchBack)
      : app_(app), main_(mainWindow), switchBack_(std::move(switchBack)), undoCheck_(files_, StampOf) {}

  // The undo file exists and holds a valid profile for this catalogue (read again only when changed).
  bool UndoFileValid();
  // File menu tool btProf.
  void CreateProfile();
  // The main window's headline while the restore window shows this request.
  std::string Headline(const RestoreRequest& request) const;

  // RestoreHost
  std::string Text(int id) const override { return app_.Text(id); }
  int Message(const std::string& headline, const std::string& text, int kind) override;
  void HelpBox(const std::string& text) override;
  std::string OpenProfileDialog(const std::string& title, const std::string& proposedFile) override;
  std::string SaveRegFileDialog(const std::string& proposedFile) override;
  void ReturnToTool(int tool, int tab) override { switchBack_(tool, tab); }
  void RaiseRestartNeed(std::int16_t restartLevel) override { app_.Engine->RaiseRestartNeed(restartLevel); }
  void EnableMainWindow(bool enabled) override { EnableWindow(main_, enabled ? TRUE : FALSE); }
  void PumpMessages() override { kv::PumpMessages(); }
  Registry& Reg() override { return *app_.Reg; }
  const Catalogue& Functions() const override { return app_.Functions; }
  FileStore& Files() override { return files_; }
  std::string UndoFilePath() const override { return app_.Engine->Paths().UndoFilePath(); }
  std::string ProgramFolder() const override { return app_.ProgramFolder(); }
  std::string& CurrentProfilePath() override { return currentProfile_; }
  bool MasterProfileUsable() override { return UndoFileValid(); }
  void RestoreFinished() override { undoCheck_.Forget(); }
  void BatchRegistry(bool on) override {
    if (app_.RegBatch) app_.RegBatch->SetCaching(on);
  }

 private:
  static FileStamp StampOf(const std::string& path);
  // ProfileCreationUi
  bool ShowProfileInfo() override;
  std::string AskProfileFile(const std::string& proposedFile) override;
  bool ConfirmReplace() override;
  void RefuseProfileName() override;
  void StartHelper(const std::string& commandLine) override;

  AppContext& app_;
  HWND main_;
  SwitchBack switchBack_;
  Win32FileStore files_;
  UndoFileCheck undoCheck_;
  std::string currentProfile_;
};

}  // namespace kv
