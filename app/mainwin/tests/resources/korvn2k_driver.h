// Drives a running korvn2k.exe from another process with posted messages, the way its own controls
// and the system deliver them (side-bar clicks, menu keys, button commands, tree double-clicks), and
// checks by its windows that each step really happened: the headline changed, a dialog appeared and
// was gone again afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "bench/startup/process_window_timer.h"

namespace kvres {

class Korvn2kDriver {
 public:
  // Starts the program and waits until its main window shows and the splash has gone.
  bool Start(const std::string& path);
  // Asks the program to close (any question answered by force: the process is ended after 15 s).
  void Stop();
  HANDLE Process() const { return program_.Process.hProcess; }
  DWORD ProcessId() const { return program_.Process.dwProcessId; }
  const std::string& Failure() const { return failure_; }

  // Every page once, by side-bar clicks, from the Windows page back to it (System: Windows, Boot
  // options, Drives & files, Security, Network; Other: Icons, Applications).
  bool PageRound();
  // The Windows page's first tab; `settingLine` is the tree line of a value function there.
  bool SettingDialog(int settingLine);  // double-click on the line opens it, Cancel closes it
  bool ProgramOptions();                 // File > Program Options, Cancel
  bool RestoreWindow();                  // File > Restore a Profile (all functions), Cancel
  bool HelpBox();                        // the page's info button, Cancel
  bool MessageDialog();                  // Boot options, boot parameters tab, Undo: the question, Cancel
  bool IconPicker();                     // Icons page, double-click on the first icon line, Cancel

  // Waits until the program has handled everything posted to it so far.
  bool Idle();

 private:
  bool Fail(const std::string& what);
  bool ClickSideTool(int index);
  bool ClickGroup(bool other);
  bool ChooseFileMenu(char accessKey);
  bool DoubleClickTreeLine(int line);
  bool ShowBootParametersTab();
  HWND Page() const;
  HWND VisibleTree() const;
  std::string ShownTabWindows() const;
  // Waits for a shown top-level window of the process of that class; nullptr after `limitMs`.
  HWND WaitForShown(const char* windowClass, double limitMs) const;
  // Posts Cancel to `dialog` and waits until the window is destroyed.
  bool CancelAndWaitGone(HWND dialog, const std::string& what);
  bool WaitForHeadlineChange(const std::string& before);

  kvbench::StartedProgram program_;
  HWND main_ = nullptr;
  HWND bar_ = nullptr;
  HWND headline_ = nullptr;
  int bootTabX_ = -1;  // where the boot parameters tab was found on its strip
  std::string failure_;
};

}  // namespace kvres
