// Resident mode of the helper: the hidden window's tray icon and its rules, without windows.h.
// `ResidentHelper` decides what the poll and keep-alive timers, the icon's mouse messages, the
// pop-up menu, a recreated taskbar and the closing of the window do; `ResidentPlatform` and
// `KeepAliveTree` are the seams to the window, the shell and the tree-list control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/catalogue/registry.h"
#include "helper/core/session_control.h"

namespace kv::helper {

// 1 = the resident helper ends (written by the uninstall restore); deleted when resident mode starts.
inline constexpr const char* kTerminateTrayValue = "TerminateSysTray";  // under kCurrentVersionKey
inline constexpr const char* kMainSetKey = "HKEY_CURRENT_USER\\Software\\Quorbel\\Korvane2k\\MainSet";
// -1 (also absent) = show the tray icon, 0 = no tray icon, any other value = leave the icon as it is.
// The main program's options write only -1 and 0, so another value was put there by someone else:
// the icon does not guess what it meant, unlike the other booleans of the settings store.
inline constexpr const char* kShowTrayValue = "ShowSysTray";

inline constexpr unsigned kPollIntervalMs = 1500;
inline constexpr unsigned kKeepAliveIntervalMs = 20000;

inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kTrayCallbackMessage = 0x601;  // WM_USER + 513
inline constexpr std::uint32_t kTrayLeftButtonDown = 513;    // WM_LBUTTONDOWN in the callback's lParam
inline constexpr std::uint32_t kTrayRightButtonDown = 516;   // WM_RBUTTONDOWN

inline constexpr std::size_t kTrayTipCapacity = 64;  // the tip field of the 88-byte NOTIFYICONDATA, NUL included

enum TrayMenuId : int { kMenuNone = 0, kMenuStartMain = 70, kMenuSeparator = 71, kMenuExit = 72 };

struct TrayMenuEntry {
  int Id = kMenuNone;
  std::string Text;  // empty for the separator
  bool Separator = false;
  bool Enabled = true;
};

// Text 107 followed by text 109 on Windows NT 4, by text 108 on every other system; cut to what the
// tip field holds (63 characters).
std::string TrayTipText(const std::string& productText, const std::string& win2000Text, const std::string& nt4Text,
                        OsKind os);

// The main program: the main program folder (ending in a backslash) followed by "Korvn2k.exe".
std::string MainProgramPath(const std::string& appFolder);

class ResidentPlatform {
 public:
  virtual ~ResidentPlatform() = default;
  // Adds the tray icon with its tip; false when the shell refused (e.g. no taskbar yet).
  virtual bool AddIcon(const std::string& tip) = 0;
  virtual void RemoveIcon() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Starts a program in a normal window without waiting; failures are not reported.
  virtual void StartProgram(const std::string& path) = 0;
  // Shows the pop-up menu at the cursor and returns the chosen id, kMenuNone when it was dismissed.
  virtual int TrackMenu(const std::vector<TrayMenuEntry>& entries) = 0;
  // Unloads the hidden window and ends the program's message loop.
  virtual void End() = 0;
};

// The tree-list control kept loaded on the hidden window.
class KeepAliveTree {
 public:
  virtual ~KeepAliveTree() = default;
  virtual long ListCount() = 0;
  virtual void AddNode(const std::string& text, short position, short level) = 0;
  virtual void RemoveNode(long index) = 0;
};

// Keep-alive tick: the control alternates between one line "BUFF" and none.
void KeepAliveTick(KeepAliveTree& tree);

class ResidentHelper {
 public:
  ResidentHelper(Registry& registry, ResidentPlatform& platform, std::string tip, std::string mainProgramPath);

  // Deletes an earlier request to end, so that it does not end this new instance.
  void Start();
  // Poll timer: ends on "TerminateSysTray" = 1, otherwise makes the icon follow "ShowSysTray".
  void OnPoll();
  // The icon's callback message with the mouse message of its second parameter.
  void OnTrayMouse(std::uint32_t mouseMessage);
  // The shell announced a new taskbar: its icons are gone, so a wanted icon is added again.
  void OnTaskbarCreated();
  // The window is being closed (by the system, or at the end of the session).
  void OnClose();

  std::vector<TrayMenuEntry> MenuEntries();

  bool IconWanted() const { return iconWanted_; }
  bool IconAdded() const { return iconAdded_; }
  bool Ended() const { return ended_; }

 private:
  void ShowIcon();
  void HideIcon();
  void ShowMenu();
  void StartMainProgram();
  void EndProgram();

  Registry& registry_;
  ResidentPlatform& platform_;
  std::string tip_;
  std::string mainProgram_;
  bool iconWanted_ = false;  // the icon should be in the tray ("ShowSysTray" asked for it)
  bool iconAdded_ = false;   // the shell accepted it
  bool menuOpen_ = false;    // the menu's modal loop runs: timer ticks and clicks wait for it
  bool ended_ = false;
};

}  // namespace kv::helper
