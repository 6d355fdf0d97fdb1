// The restore window (form UNDO, tool 99) as a page hosted by the main window: tab, mode heading,
// profile box with the profile buttons, the list of processed functions, and the help, Restore and
// Cancel buttons. The logic lives in RestoreWindowModel; this class turns messages into its calls.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/restore/restore_window_model.h"
#include "app/restore/win32/restore_host.h"

namespace kv {

class RestoreList;
class TabStripWindow;
namespace controls {
class CoolButton;
}

class RestoreWindow : private ProfileQuestions, private RestoreProgress {
 public:
  // Button ids (CoolBttn 0 .. 4).
  enum ButtonId { kChooseProfile = 400, kMasterProfile, kHelp, kStartRestore, kCancel, kExportRegFile };
  static constexpr int kButtonCount = 6;
  // The profile box (Text1): which profile is active.
  static constexpr int kProfileBoxId = 101;
  // The count of differing functions above the list, and the selected function's values below it.
  static constexpr int kDifferingCountId = 102;
  static constexpr int kDetailId = 103;

  // Creates the window (hidden) as a child of `parent` for a request; the profile is loaded by
  // LoadProfile once the window is shown, since loading may ask questions.
  static RestoreWindow* Create(HWND parent, RestoreHost& host, const RestoreRequest& request);
  HWND hwnd() const { return hwnd_; }
  const RestoreWindowModel& Model() const { return model_; }
  void LoadProfile();
  // "Export as registry file…" (its button and the File menu): the shown profile within the window's
  // scope, to a file the user names; nothing while no valid profile is loaded.
  void ExportRegFile();
  // Destroys the window and this object.
  void Unload();

 private:
  RestoreWindow(RestoreHost& host, const RestoreRequest& request);
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  void Build();
  void Layout();
  void Paint();
  void Command(int id);
  void RunRestore();
  void ShowProfileState();
  // Fills the list with the preview of the loaded profile (differing lines marked) and the count.
  void ShowPreview();
  void ShowDifferingCount();
  void ShowDifferingCount(int differing);
  // The stored and current values of the function behind a list line.
  void ShowDetail(int line);
  std::string ProfileBoxText() const;

  // ProfileQuestions
  bool UseMasterInstead() override;
  void MasterDamaged() override;
  // RestoreProgress
  void LineAdded(const RestoreLine& line) override;
  void LineFinished(std::size_t index, const RestoreLine& line) override;
  // Scrolls to the line, repaints the list and lets the window answer, at most every
  // kProgressInterval ms (or always when `now` is set): drawing the list after each of several
  // hundred functions took twenty times longer than the restore itself.
  void ShowProgress(int line, bool now);

  static constexpr unsigned long kProgressInterval = 250;

  HWND hwnd_ = nullptr;
  unsigned long lastShown_ = 0;  // tick count of the last ShowProgress that drew
  RestoreHost& host_;
  RestoreWindowModel model_;
  TabStripWindow* tabs_ = nullptr;
  HWND heading_ = nullptr;     // Label4
  HWND profileBox_ = nullptr;  // Text1
  HWND count_ = nullptr;   // how many functions differ from the profile
  HWND detail_ = nullptr;  // the selected function's values: stored and current side by side
  std::unique_ptr<RestoreList> list_;
  std::vector<int> lineFunctions_;  // function number behind each list line
  int detailLine_ = -1;             // the line whose values the detail box shows
  std::unique_ptr<controls::CoolButton> buttons_[kButtonCount];
};

}  // namespace kv
