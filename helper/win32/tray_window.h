// Form1 of resident mode: a hidden window that owns the tray icon, runs the poll (1500 ms) and
// keep-alive (20000 ms) timers, shows the icon's pop-up menu and follows a recreated taskbar. It
// only translates messages into calls of `ResidentHelper`; the rules live there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "helper/core/resident_mode.h"

namespace kv::helper {

inline constexpr const char* kResidentWindowClass = "KorvnstForm1";
inline constexpr const char* kResidentWindowTitle = "KorvnStartManager";

class TrayWindow : public ResidentPlatform {
 public:
  explicit TrayWindow(HINSTANCE instance);
  ~TrayWindow() override;
  TrayWindow(const TrayWindow&) = delete;
  TrayWindow& operator=(const TrayWindow&) = delete;

  // Makes the hidden window and starts its timers; its events go to `helper`. False when no window.
  bool Create(ResidentHelper& helper);
  HWND Handle() const { return hwnd_; }
  // The keep-alive timer exercises `tree` (may stay unset when the control is not there).
  void SetKeepAliveTree(KeepAliveTree* tree) { tree_ = tree; }
  // Dispatches messages until the window is gone.
  void RunMessageLoop();

  bool AddIcon(const std::string& tip) override;
  void RemoveIcon() override;
  bool FileExists(const std::string& path) override;
  void StartProgram(const std::string& path) override;
  int TrackMenu(const std::vector<TrayMenuEntry>& entries) override;
  void End() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR timer);
  void OnDestroy();

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HICON icon_ = nullptr;
  UINT taskbarCreated_ = 0;
  bool destroying_ = false;
  ResidentHelper* helper_ = nullptr;
  KeepAliveTree* tree_ = nullptr;
};

}  // namespace kv::helper
