// Form2, the profile scan's progress window: caption 91, two labels (101, 102), a progress bar. It is
// placed over the owner window when one is given, repaints between functions, and closes itself
// 700 ms after the scan by its one-shot timer.
#pragma once

#include <windows.h>

#include <cstdint>

#include "helper/core/profile_scan.h"
#include "helper/win32/string_table.h"

namespace kv::helper {

class ProgressWindow : public ScanProgress {
 public:
  static constexpr UINT kCloseDelayMs = 700;

  ProgressWindow(HINSTANCE instance, const StringTable& texts, std::uint32_t ownerWindow);
  ~ProgressWindow() override;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void Show(int maximum) override;
  void Step(int position) override;
  void Finish() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCreate(HWND hwnd);
  void OnTimer();
  void OnDestroy();
  void PlaceOverOwner();

  HINSTANCE instance_;
  const StringTable& texts_;
  std::uint32_t owner_;
  HWND hwnd_ = nullptr;
  HWND bar_ = nullptr;
};

}  // namespace kv::helper
