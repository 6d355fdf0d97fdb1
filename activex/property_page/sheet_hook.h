// Ties a property page to a frame that is a common-controls property sheet (Wine's
// OleCreatePropertyFrame is one). Such a frame never calls IPropertyPage::Apply and ignores
// IPropertyPageSite::OnStatusChange; it sends PSN_APPLY to the sheet page dialog that holds the
// page's window instead, and enables its Apply button only on PSM_CHANGED. The hook subclasses that
// dialog while the page is active, answers PSN_APPLY through the page, passes "changed" on, and
// keeps the page's window as large as the sheet page (the sheet sizes its pages after creating them).
// With any other frame it stays silent: no sheet notification arrives, nothing is sent.
#pragma once

#include <windows.h>

namespace kv::pages {

class SheetHook {
 public:
  // Called on PSN_APPLY; returns false when the page refused its input (the sheet stays open).
  using ApplyFunction = bool (*)(void* context);

  void Attach(HWND pageDialog, HWND content, ApplyFunction apply, void* context);
  void Detach();
  // Enables the sheet's Apply button (once the sheet has made itself known).
  void Changed() const;

 private:
  static LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void FitContent() const;

  HWND dialog_ = nullptr;
  HWND content_ = nullptr;
  HWND sheet_ = nullptr;
  WNDPROC previous_ = nullptr;
  ApplyFunction apply_ = nullptr;
  void* context_ = nullptr;
};

}  // namespace kv::pages
